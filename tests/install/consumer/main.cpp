// Calls one published member of each library and says what went wrong.
#include <Dravik/Progress.h>
#include <dvDBrtns4/clsDBInit.h>
#include <dvDBrtns4/clsDBcond.h>
#include <dvRtns4/clsString.h>

#include <QApplication>

#include <cstdio>

namespace {

int failures = 0;

void check(bool ok, const char* what, const QString& got) {
    if (ok)
        return;
    ++failures;
    std::fprintf(stderr, "consumer: %s: got \"%s\"\n", what, got.toUtf8().constData());
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    const QString quoted =
        dvRtns4::clsString::FixQuotes(dvRtns4::Variant(QStringLiteral("O'Neil")));
    check(quoted == QStringLiteral("'O''Neil'"), "clsString::FixQuotes", quoted);

    check(dvDBrtns4::clsDBInit::DravikDBrtns_Init(dvDBrtns4::db_Access), "clsDBInit", {});
    const QString condition = dvDBrtns4::clsDBcond::BuildCond(
        QStringLiteral("title"), QStringLiteral("νόμος"), dvDBrtns4::opContains, false, false,
        dvDBrtns4::upcaseNONE, QStringLiteral("STR"));
    check(condition.contains(QStringLiteral("title")) &&
              condition.contains(QStringLiteral("LIKE")) &&
              condition.contains(QStringLiteral("νόμος")),
          "clsDBcond::BuildCond", condition);

    Dravik::Progress progress;
    progress.resize(200, 20);
    progress.show();
    progress.UpdateStatus(0.5f, true);
    const qint16 shown = Dravik::Progress::ShownPercent(0.5f, true);
    check(shown == 50, "Progress::ShownPercent", QString::number(shown));

    if (failures == 0)
        std::puts("consumer: ok");
    return failures == 0 ? 0 : 1;
}
