// Greek for the texts that the toolkit itself puts on screen: the buttons of
// message boxes, the file and print dialogs, the context menus of text boxes
// and page views. The toolkit's catalogues for Greek are used when the system
// has them; the program's own table covers the texts it shows either way.
#pragma once

#include <QTranslator>

class QCoreApplication;

namespace lexora::translations {

// The program's own table: looked up by the source text whatever the
// toolkit class that asks, since the same words ("Cancel", "&Open") mean the
// same in every dialog. Texts outside the table (key names of shortcuts,
// paper sizes) stay as they are.
class GreekStandardTexts final : public QTranslator {
    Q_OBJECT
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

// Installs the Greek texts on the application: the toolkit's catalogue
// ("qtbase_el" in its translations folder) when there is one, with the
// program's table underneath for what the catalogue lacks. The translators
// become children of the application. Returns whether a catalogue of the
// toolkit was found (the table is installed in any case).
bool installGreekTranslations(QCoreApplication& application);

} // namespace lexora::translations
