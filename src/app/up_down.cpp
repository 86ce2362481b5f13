#include "up_down.h"

#include <QHBoxLayout>
#include <QToolButton>

#include <algorithm>

TUpDown::TUpDown(const QString &name, QWidget *parent)
    : QWidget(parent), back_(new QToolButton(this)), next_(new QToolButton(this)) {
    setObjectName(name);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const std::pair<QToolButton *, Qt::ArrowType> arrows[] = {{back_, Qt::LeftArrow},
                                                              {next_, Qt::RightArrow}};
    for (const auto &[button, arrow] : arrows) {
        button->setArrowType(arrow);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setFocusPolicy(Qt::NoFocus);
        row->addWidget(button);
    }
    back_->setObjectName(name + QStringLiteral("Back"));
    next_->setObjectName(name + QStringLiteral("Next"));
    connect(back_, &QToolButton::clicked, this, [this] { step(-1); });
    connect(next_, &QToolButton::clicked, this, [this] { step(+1); });
}

void TUpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setPosition(position_);
}

void TUpDown::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
}

void TUpDown::step(int by) {
    setPosition(position_ + by);
    emit clicked(position_);
}
