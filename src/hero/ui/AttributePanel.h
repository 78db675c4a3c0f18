#pragma once
// The attribute panel, shown above every page: per attribute its base, total, resistance
// modifier, untrained score, limits and a spinner; the attribute point cost; the action
// check, die and actions; movement; durability; last resort points.

#include "app/ui/ViewWidgets.h"

#include <QWidget>
#include <array>

class HeroBuilder;
class QLabel;
class QLineEdit;
class QSpinBox;

class AttributePanel : public QWidget, public ViewPage {
    Q_OBJECT
public:
    AttributePanel(HeroBuilder& builder, QWidget* parent = nullptr);

    void Render(const ViewData& views, const std::set<std::string>& changed) override;

    QSpinBox* Spinner(int attribute) const { return spinners_[attribute]; }
    QLineEdit* BaseField(int attribute) const { return bases_[attribute]; }
    QLineEdit* TotalField(int attribute) const { return totals_[attribute]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* AddValue(LabelName view, QWidget* parent);

    HeroBuilder& builder_;
    std::array<QLineEdit*, 6> bases_{};
    std::array<QLineEdit*, 6> totals_{};
    std::array<QSpinBox*, 6> spinners_{};
    // Every label that shows one view by the view's name.
    std::vector<std::pair<LabelName, QLabel*>> labels_;
};
