// The printer choice a page viewer's print command asks for: the program
// shows the printer dialog behind it, tests hand out a printer that writes a
// file. The service keeps ownership of the printer it returns.
#pragma once

class QPrinter;
class QWidget;

namespace lexora::pages {

class PrintDialogService {
public:
    virtual ~PrintDialogService() = default;
    // The printer the user chose, or nullptr when the user cancelled.
    virtual QPrinter* choosePrinter(QWidget* parent) = 0;
};

} // namespace lexora::pages
