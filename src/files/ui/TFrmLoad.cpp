#include "files/ui/TFrmLoad.h"

#include "app/ui/ViewWidgets.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TFrmLoad::TFrmLoad(QWidget* parent) : ToolWindow(tr("Careers"), "TFrmLoad", parent) {
    // A title bar without system buttons: the dialog ends through its own buttons (or Escape).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    LBCareer = new QListWidget(this);
    LBCareer->setObjectName("LBCareer");
    auto* listLabel = new QLabel(tr("C&areers"), this);
    listLabel->setBuddy(LBCareer);
    EdCareer = new QLineEdit(this);
    EdCareer->setObjectName("EdCareer");
    EdCareer->setReadOnly(true);
    EdSource = new QLineEdit(this);
    EdSource->setObjectName("EdSource");
    EdSource->setReadOnly(true);
    MemDescription = new QPlainTextEdit(this);
    MemDescription->setObjectName("MemDescription");
    MemDescription->setReadOnly(true);
    MemDescription->setTabChangesFocus(true);
    MemDescription->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // lines wrap

    auto* list = new QVBoxLayout;
    list->addWidget(listLabel);
    list->addWidget(LBCareer, 1);
    auto* details = new QFormLayout;
    details->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    details->addRow(tr("Career:"), EdCareer);
    details->addRow(tr("Source:"), EdSource);
    details->addRow(tr("Description:"), MemDescription);
    auto* body = new QHBoxLayout;
    body->addLayout(list, 1);
    body->addLayout(details, 1);

    CmdCancel = new QPushButton(tr("Cancel"), this);
    CmdCancel->setObjectName("CmdCancel");
    CmdLoad = new QPushButton(tr("&Load"), this);
    CmdLoad->setObjectName("CmdLoad");
    CmdLoad->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CmdCancel);
    buttons->addWidget(CmdLoad);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);
    setTabOrder(LBCareer, CmdLoad);
    setTabOrder(CmdLoad, CmdCancel);
    setTabOrder(CmdCancel, EdCareer);
    setTabOrder(EdCareer, EdSource);
    setTabOrder(EdSource, MemDescription);
    resize(560, 300);

    connect(LBCareer, &QListWidget::currentRowChanged, this, &TFrmLoad::LBCareerClick);
    // A double click (or Enter, through the default button) loads the template at once.
    connect(LBCareer, &QListWidget::itemDoubleClicked, CmdLoad, &QPushButton::click);
    connect(CmdLoad, &QPushButton::clicked, this, [this] {
        if (LBCareer->currentRow() >= 0) accept();
    });
    connect(CmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<std::filesystem::path> TFrmLoad::Choose(const std::vector<TCareer>& listed) {
    listed_ = listed;
    {
        const QSignalBlocker quiet(LBCareer);
        LBCareer->clear();
        for (const TCareer& career : listed_)
            LBCareer->addItem(ToQt(CareerLine(career)));
    }
    LBCareer->setCurrentRow(listed_.empty() ? -1 : 0);
    LBCareerClick();
    if (const QScreen* display = QGuiApplication::primaryScreen())
        move(display->availableGeometry().center() - rect().center());
    LBCareer->setFocus();
    const bool load = exec() == QDialog::Accepted;
    const int row = LBCareer->currentRow();
    if (!load || row < 0 || row >= static_cast<int>(listed_.size())) return std::nullopt;
    return std::filesystem::path(listed_[static_cast<std::size_t>(row)].Path);
}

void TFrmLoad::LBCareerClick() {
    // Each line stands for its own template, also when two lines read alike.
    const int row = LBCareer->currentRow();
    const bool chosen = row >= 0 && row < static_cast<int>(listed_.size());
    MemDescription->clear();
    EdCareer->clear();
    EdSource->clear();
    CmdLoad->setEnabled(chosen);
    if (!chosen) return;
    const TCareer& career = listed_[static_cast<std::size_t>(row)];
    EdCareer->setText(ToQt(career.Name));
    EdSource->setText(ToQt(career.Source));
    QStringList lines;
    for (const std::string& line : career.Notes)
        lines << ToQt(line);
    MemDescription->setPlainText(lines.join('\n'));
}
