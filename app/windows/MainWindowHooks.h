// What the main window calls outside itself: the history, the attached
// documents, the other windows, the searches, the page builders and the tree
// fills. Each is filled by the part of the program that provides it; an
// empty one does nothing.
#pragma once

#include <functional>

namespace lexora::trees {
class TreeNode;
}

namespace lexora::windows {

struct MainWindowHooks {
    // History list and file.
    std::function<void()> loadHistory;
    std::function<void()> saveHistory;
    // Closes the document application and deletes the document files.
    std::function<void()> closeDocuments;

    // Other windows.
    std::function<void()> showInformationWindow; // frmSystemInfo, not modal
    std::function<void()> showHelp;              // frmHelp, not modal
    std::function<void()> showAbout;             // frmAbout, not modal
    std::function<void()> openSettings;          // OpenSettingsWindow
    // Unloads frmhotbrowser, frmAbout, frmHelp, frmSetSysParam and
    // frmSystemInfo (frmWait is the window's own).
    std::function<void()> closeOtherWindows;

    // Press of cmdsearch(index).
    std::function<void(int index)> searchClicked;

    // The pages of the tree nodes.
    std::function<void(trees::TreeNode& node)> showTopicPage;
    std::function<void(trees::TreeNode& node)> showLawTreeNode;
    std::function<void(trees::TreeNode& node, int index)> showSchedulePage;

    // The full fills of the trees (the window clears nothing before them).
    std::function<void()> fillTopicTree;
    std::function<void()> fillLawTree;
    std::function<void()> fillScheduleTreeP;
    std::function<void()> fillScheduleTreeN;

    // Ends the program once the window has unloaded, or after an error it
    // cannot go on from.
    std::function<void()> endProgram;
};

} // namespace lexora::windows
