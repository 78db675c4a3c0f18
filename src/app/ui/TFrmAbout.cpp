#include "app/ui/TFrmAbout.h"

#include "app/Paths.h"
#include "app/Prompter.h"
#include "app/Version.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

TFrmAbout::TFrmAbout(Prompter& prompter, const AppPaths& paths, QWidget* parent)
    : QDialog(parent), prompter_(prompter), paths_(paths) {
    setObjectName("TFrmAbout");
    setWindowTitle(tr("About %1").arg(QString::fromUtf8(kProgramName)));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* name = new QLabel(QString::fromUtf8(kProgramName), this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);

    auto* version = new QLabel(QStringLiteral("<a href=\"changelog\">%1</a>")
                                   .arg(QString::fromUtf8(kVersionLabel).toHtmlEscaped()),
                               this);
    version->setObjectName("LblVersion");
    version->setAlignment(Qt::AlignCenter);
    version->setToolTip(tr("Show the change log"));
    connect(version, &QLabel::linkActivated, this, [this] { VersionLabelClick(); });
    layout->addWidget(version);

    auto* legal = new QLabel(tr("A hero builder for science-fiction tabletop role-playing.\n"
                                "Game content in the Data folder belongs to its authors.\n"
                                "This program comes with no warranty."),
                             this);
    legal->setAlignment(Qt::AlignCenter);
    legal->setWordWrap(true);
    layout->addWidget(legal);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

void TFrmAbout::VersionLabelClick() {
    const std::filesystem::path changeLog = paths_.InDataDir("changelog.txt");
    std::error_code error;
    if (!std::filesystem::is_regular_file(changeLog, error)) {
        prompter_.info("The change log cannot be shown: " + changeLog.string() + " was not found");
        return;
    }
    if (!prompter_.openInViewer(changeLog))
        prompter_.info("No viewer could open " + changeLog.string());
}
