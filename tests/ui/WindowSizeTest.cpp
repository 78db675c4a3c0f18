// The main window on small screens: at 1024x640, and at scale 2 on a 1920x1080 screen (a
// 960x540 desktop), the window fits, nothing in it is squeezed below its smallest size and a
// page taller or wider than the room left for it scrolls. Saves screenshots of both sizes in
// the build folder.

#include "UiHarness.h"

#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

namespace {
// Every page in turn: shown whole or scrollable, below a button row and an attribute panel
// that keep their smallest sizes.
void CheckEveryPage(TFrmMain& main) {
    for (int i = 0; i < 12; ++i) {
        main.ShowPage(i);
        QCoreApplication::processEvents(); // the layouts settle
        QWidget* page = main.Page(i);
        auto* scroll = qobject_cast<QScrollArea*>(page->parentWidget()->parentWidget());
        QVERIFY2(scroll && scroll->isVisible(), qPrintable(page->objectName()));
        const QSize least = page->minimumSizeHint();
        QVERIFY2(page->width() >= least.width() && page->height() >= least.height(),
                 qPrintable(page->objectName()));
        const QSize room = scroll->viewport()->size();
        QCOMPARE(scroll->verticalScrollBar()->maximum() > 0, least.height() > room.height());
        QCOMPARE(scroll->horizontalScrollBar()->maximum() > 0, least.width() > room.width());
    }
    QWidget* panel = main.AttributesPanel();
    QVERIFY(panel->width() >= panel->minimumSizeHint().width());
    QVERIFY(panel->height() >= panel->minimumSizeHint().height());
    for (int i = 0; i < 12; ++i)
        QVERIFY(main.PageButton(i)->width() >= main.PageButton(i)->minimumWidth());
}

void SaveScreenshots(TFrmMain& main, const QString& name) {
    main.ShowPage(0);
    QVERIFY(main.grab().save(QString(TAVORN_BINARY_DIR) + "/" + name + ".png"));
    main.ShowPage(2);
    QVERIFY(main.grab().save(QString(TAVORN_BINARY_DIR) + "/" + name + "-skills.png"));
}
} // namespace

class WindowSizeTest : public QObject {
    Q_OBJECT

private slots:
    void fitsAt1024x640() {
        AppFolder folder;
        Program program(folder);
        TFrmMain& main = program.main;
        main.resize(1024, 640);
        QVERIFY(program.Show());
        qInfo("smallest window %dx%d", main.minimumSizeHint().width(),
              main.minimumSizeHint().height());
        QCOMPARE(main.size(), QSize(1024, 640));
        CheckEveryPage(main);
        SaveScreenshots(main, "window-1024x640");
    }

    void fitsAtScaleTwoOnAFullHdScreen() {
        if (qgetenv("QT_SCALE_FACTOR") != "2") {
            // The scale is fixed when the program starts: this test runs again in a program
            // of its own, on an offscreen screen of that size.
            QTemporaryDir dir;
            const QString config = dir.filePath("screen.json");
            QFile file(config);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(R"({"screens": [{"name": "FullHD", "x": 0, "y": 0, "width": 1920,
                "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
            file.close();
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("QT_SCALE_FACTOR", "2");
            environment.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config);
            QProcess child;
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(), {"fitsAtScaleTwoOnAFullHdScreen"});
            QVERIFY(child.waitForFinished(120000));
            const QByteArray output = child.readAll();
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                     output.constData());
            for (const QByteArray& line : output.split('\n'))
                if (line.startsWith("QINFO"))
                    qInfo("%s", line.mid(line.indexOf(") ") + 2).constData());
            return;
        }
        const QScreen* screen = QGuiApplication::primaryScreen();
        QCOMPARE(screen->geometry().size(), QSize(960, 540));
        AppFolder folder;
        Program program(folder);
        TFrmMain& main = program.main;
        QVERIFY(program.Show());
        const QRect desktop = screen->availableGeometry();
        QVERIFY2(desktop.contains(main.frameGeometry()),
                 qPrintable(QString("%1x%2").arg(main.width()).arg(main.height())));
        const QSize least = main.minimumSizeHint();
        qInfo("smallest window %dx%d, shown at %dx%d", least.width(), least.height(), main.width(),
              main.height());
        QVERIFY2(least.width() <= desktop.width() && least.height() <= desktop.height() - 60,
                 qPrintable(QString("%1x%2").arg(least.width()).arg(least.height())));
        CheckEveryPage(main);
        QCOMPARE(main.grab().devicePixelRatio(), 2.0);
        SaveScreenshots(main, "window-scale2");
    }
};

QTEST_MAIN(WindowSizeTest)
#include "WindowSizeTest.moc"
