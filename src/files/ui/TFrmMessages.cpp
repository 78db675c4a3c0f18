#include "files/ui/TFrmMessages.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

TFrmMessages::TFrmMessages(QWidget* parent)
    : ToolWindow(tr("Import Error Messages"), "TFrmMessages", parent) {
    // A fixed border with only the system menu.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    LstErrors = new QListWidget(this);
    LstErrors->setObjectName("LstErrors");
    layout->addWidget(LstErrors);
    setFixedSize(480, 260);
}

void TFrmMessages::ShowLines(const std::vector<std::string>& lines) {
    LstErrors->clear();
    for (const std::string& line : lines)
        LstErrors->addItem(QString::fromStdString(line));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
    show();
    raise();
}
