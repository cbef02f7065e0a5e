// SPDX-FileCopyrightText: 2026 The Poron Puzzle developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An invisible rectangle that reports a click: a press and a release inside it.
#pragma once

#include <QWidget>

namespace poron {

class ClickArea : public QWidget {
    Q_OBJECT
public:
    ClickArea(const QRect& geometry, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace poron
