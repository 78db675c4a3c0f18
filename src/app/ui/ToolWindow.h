#pragma once
// A top-level window of its own (the dice roller, the designers, the roster, the dialogs),
// created hidden at start with its caption.

#include <QDialog>

class ToolWindow : public QDialog {
    Q_OBJECT
public:
    ToolWindow(const QString& caption, const QString& objectName, QWidget* parent = nullptr)
        : QDialog(parent) {
        setWindowTitle(caption);
        setObjectName(objectName);
        setWindowFlag(Qt::WindowMaximizeButtonHint);
    }
};
