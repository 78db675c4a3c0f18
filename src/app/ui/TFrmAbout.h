#pragma once
// The about box, "About Tavorn": the program's name, the version label (clicking it opens the
// change log in the viewer, or says that the change log is missing) and the legal text.

#include <QDialog>

class Prompter;
class AppPaths;

class TFrmAbout : public QDialog {
    Q_OBJECT
public:
    TFrmAbout(Prompter& prompter, const AppPaths& paths, QWidget* parent = nullptr);

    // What a click on the version label does.
    void VersionLabelClick();

private:
    Prompter& prompter_;
    const AppPaths& paths_;
};
