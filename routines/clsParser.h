// clsParser: reads a definition file, or a text held in memory (given as
// "<?>" followed by the text), definition by definition. A definition is
// «#NAME{key=value, ...}»; the parser hands each one out as a coded key list
// («_KEY_=value» joined by commas, see clsParserUtil) with constants
// replaced. «#CONST{$NAME=value, ...}» defines constants, «##NAME{...}» a
// definition that a later body «$$NAME» takes over; both, and the contents
// of a global definitions file read first, live as long as the object. An
// apostrophe outside a definition starts a comment that runs to the end of
// its line.
//
// Files are read as UTF-8 when they are valid UTF-8, otherwise as
// Windows-1253. Errors are not thrown: the parser shows them with
// ShowPendingError and reports failure through its results.
#pragma once

#include "dvRtns4Export.h"

#include <QString>

#include <memory>

namespace dvRtns4 {

class DVRTNS4_EXPORT clsParser {
public:
    clsParser();
    ~clsParser();
    clsParser(const clsParser&) = delete;
    clsParser& operator=(const clsParser&) = delete;

    // Reads the global definitions of globalFileName (when useGlobals; a
    // missing file is skipped) and opens fileName for reading. False when
    // fileName does not exist (nothing shown) or an error occurred (shown).
    // keepInitialDef keeps each body as read, for InitialDef.
    bool Init(const QString& fileName, const QString& globalFileName, bool useGlobals = true,
              bool keepInitialDef = false);
    // Reads the next definition: Symbol its upper-cased name, Def its coded
    // key list, bEOF whether the source is used up. At the end of the source
    // Symbol and Def are empty and the result is true. False when the
    // definition is malformed or uses an unknown constant (an error is shown
    // when one occurred); constants definitions are read past, never handed out.
    bool ReadNextDefinition(QString& Symbol, QString& Def, bool& bEOF);
    // The last body read, before coding (kept only with keepInitialDef).
    QString InitialDef() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace dvRtns4
