#pragma once
// Every window of the program, created at start in a fixed order: the hero builder first
// (its creation runs the start-up), then the import messages, the about box, the dice roller,
// the two career template dialogs, the starship designer, the roster and the robot designer.
// All but the hero builder stay hidden until called. The custom equipment dialog is opened by
// the Equipment page for each item; custom perks and flaws are entered on their page.

#include <memory>

class HeroBuilder;
class Prompter;
class AppPaths;
class QWidget;
class TFrmMain;
class TFrmAbout;

struct AppWindows {
    AppWindows(HeroBuilder& builder, Prompter& prompter, const AppPaths& paths);
    ~AppWindows();

    std::unique_ptr<TFrmMain> main;
    QWidget* messages = nullptr;
    TFrmAbout* about = nullptr;
    QWidget* dice = nullptr;
    QWidget* tmplt = nullptr;
    QWidget* load = nullptr;
    QWidget* ships = nullptr;
    QWidget* roster = nullptr;
    QWidget* robot = nullptr;

    // False when the start-up refused to go on; the program then ends.
    bool started = false;
};
