#include "files/ui/TFrmTmplt.h"

#include "app/ui/ViewWidgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TFrmTmplt::TFrmTmplt(QWidget* parent) : ToolWindow(tr("Career Information"), "TFrmTmplt", parent) {
    // A title bar without system buttons: the dialog ends through its own buttons (or Escape).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    EdName = new QLineEdit(this);
    EdName->setObjectName("EdName");
    MemDescription = new QPlainTextEdit(this);
    MemDescription->setObjectName("MemDescription");
    MemDescription->setTabChangesFocus(true);
    MemDescription->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // lines wrap
    MemDescription->setMinimumHeight(fontMetrics().lineSpacing() * 6);
    CmbSource = new QComboBox(this);
    CmbSource->setObjectName("CmbSource");
    CmbSource->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tr("&Career:"), EdName);
    form->addRow(tr("&Description:"), MemDescription);
    form->addRow(tr("S&ource:"), CmbSource);

    CmdSave = new QPushButton(tr("&Save"), this);
    CmdSave->setObjectName("CmdSave");
    CmdSave->setDefault(true);
    CmdCancel = new QPushButton(tr("Cancel"), this);
    CmdCancel->setObjectName("CmdCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CmdSave);
    buttons->addWidget(CmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addLayout(buttons);
    setTabOrder(EdName, MemDescription);
    setTabOrder(MemDescription, CmbSource);
    setTabOrder(CmbSource, CmdSave);
    setTabOrder(CmdSave, CmdCancel);
    resize(420, 260);

    connect(CmdSave, &QPushButton::clicked, this, &TFrmTmplt::CmdSaveClick);
    connect(CmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<CareerTemplateChoice>
TFrmTmplt::Ask(const std::vector<std::string>& sources,
               const std::function<CareerFormCheck(const CareerForm&)>& check) {
    check_ = check;
    choice_.reset();
    EdName->clear();
    MemDescription->clear();
    CmbSource->clear();
    for (const std::string& source : sources)
        CmbSource->addItem(ToQt(source));
    CmbSource->setCurrentIndex(-1);
    if (const QScreen* display = QGuiApplication::primaryScreen())
        move(display->availableGeometry().center() - rect().center());
    EdName->setFocus();
    const bool saved = exec() == QDialog::Accepted;
    check_ = nullptr;
    if (!saved) return std::nullopt;
    return choice_;
}

void TFrmTmplt::CmdSaveClick() {
    if (!check_) return;
    CareerForm form;
    form.name = EdName->text().toStdString();
    form.source =
        CmbSource->currentIndex() < 0 ? std::string() : CmbSource->currentText().toStdString();
    form.description = MemDescription->toPlainText().toStdString();
    const CareerFormCheck result = check_(form);
    switch (result.focus) {
    case CareerField::None:
        choice_ = CareerTemplateChoice{form, result.path};
        accept();
        return;
    case CareerField::Name:
        EdName->setFocus();
        return;
    case CareerField::Source:
        CmbSource->setFocus();
        return;
    case CareerField::Description:
        MemDescription->setFocus();
        return;
    }
}
