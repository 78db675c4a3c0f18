#pragma once
// The Notes page: the fixed notes, the specialization choice and the primitive penalty
// choice (each shown only when it applies), the hero's file name and the free notes.

#include "app/ui/ViewWidgets.h"

#include <QWidget>

class HeroBuilder;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;

class NotesPage : public QWidget, public ViewPage {
    Q_OBJECT
public:
    NotesPage(HeroBuilder& builder, QWidget* parent = nullptr);
    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    QPlainTextEdit* MemFixedNotes = nullptr;
    QLabel* LblSpecial = nullptr;
    QComboBox* CmbSpecial = nullptr;
    QCheckBox* CbPrimitive = nullptr;
    QLabel* LblFileName = nullptr;
    QPlainTextEdit* MemNotes = nullptr;

private:
    HeroBuilder& builder_;
};
