// Going back shows the act as the link did: the page builder for the current
// tab, then the page written into the act viewer.
#include "app/pages/builders/ActViewerTrail.h"

#include "app/pages/builders/LinkNavigation.h"
#include "app/shell/Panes.h"
#include "app/startup/ProgramContext.h"
#include "app/windows/lawviewer/ActTrail.h"
#include "platform/pageview/PageViewer.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

namespace lexora::pages {

namespace {

class ActViewerTrail final : public QObject {
public:
    ActViewerTrail(shell::Panes& form, startup::ProgramContext& context)
        : QObject(form.page.brwWebBrowser2), m_form(form), m_context(context) {
        m_back = button(QStringLiteral("cmdpicback"), QStyle::SP_ArrowBack,
                        QStringLiteral("Προηγούμενο Νομοθέτημα (Alt+Αριστερό βέλος)"));
        m_forward = button(QStringLiteral("cmdpicforward"), QStyle::SP_ArrowForward,
                           QStringLiteral("Επόμενο Νομοθέτημα (Alt+Δεξί βέλος)"));
        if (auto* box = qobject_cast<QBoxLayout*>(form.page.sspLaw->layout())) {
            box->insertWidget(0, m_forward);
            box->insertWidget(0, m_back);
        }
        connect(m_back, &QToolButton::clicked, this, [this] { show(m_trail.back()); });
        connect(m_forward, &QToolButton::clicked, this, [this] { show(m_trail.forward()); });
        for (const auto& [keys, target] :
             {std::pair{QKeySequence(QKeySequence::Back), m_back},
              std::pair{QKeySequence(QKeySequence::Forward), m_forward}}) {
            auto* shortcut = new QShortcut(keys, form.window);
            shortcut->setContext(Qt::WindowShortcut);
            QToolButton* pressed = target;
            connect(shortcut, &QShortcut::activated, this, [pressed] {
                if (pressed->isVisible() && pressed->isEnabled())
                    pressed->click();
            });
        }
        // The buttons stand where the act's print button does: the topics tab.
        if (form.page.cmdpiclaw)
            form.page.cmdpiclaw->installEventFilter(this);
        // After the link handler, which was connected first.
        connect(form.page.brwWebBrowser1, &PageViewer::BeforeNavigate2, this,
                [this](const QString&, bool& cancel) {
                    if (cancel && m_context.state.gOnTabThemata &&
                        m_context.state.gTopicsLawId != 0) {
                        m_trail.visit(m_context.state.gTopicsLawId);
                        update();
                    }
                });
        update();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_form.page.cmdpiclaw &&
            (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
            const bool shown = !m_form.page.cmdpiclaw->isHidden();
            m_back->setVisible(shown);
            m_forward->setVisible(shown);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QToolButton* button(const QString& name, QStyle::StandardPixmap picture, const QString& tip) {
        auto* b = new QToolButton(m_form.page.sspLaw);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setIcon(b->style()->standardIcon(picture));
        b->setAutoRaise(true);
        return b;
    }

    void show(std::optional<std::int32_t> id) {
        if (!id)
            return;
        m_context.state.gCurrentLawId = *id;
        m_context.state.gTopicsLawId = *id;
        buildPageForLink(m_form, m_context, false);
        WritePendingPage(m_context, *m_form.page.brwWebBrowser2);
        update();
    }

    void update() {
        m_back->setEnabled(m_trail.canGoBack());
        m_forward->setEnabled(m_trail.canGoForward());
    }

    shell::Panes& m_form;
    startup::ProgramContext& m_context;
    windows::ActTrail m_trail;
    QToolButton* m_back;
    QToolButton* m_forward;
};

} // namespace

void installActViewerTrail(shell::Panes& form, startup::ProgramContext& context) {
    if (form.page.brwWebBrowser1 && form.page.brwWebBrowser2 && form.page.sspLaw)
        new ActViewerTrail(form, context); // owned by brwWebBrowser2
}

} // namespace lexora::pages
