#pragma once

#include <QHeaderView>

// The number column: reports presses and releases after its own handling,
// so switching row moving in a press handler takes effect with the next
// press. While its view drags rows, a move drags the row instead of moving
// the section.
class NumberHeader : public QHeaderView {
    Q_OBJECT
public:
    static constexpr int RowHeight = 18;
    explicit NumberHeader(QWidget* parent);
    QSize sizeHint() const override;
    // The row under the release that ends a row move (1-based), 0 when none.
    int dropRow() const { return dropRow_; }

signals:
    void pressed(int row, Qt::MouseButton button);
    void released(int row, Qt::MouseButton button, const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint pressPoint_;
    int dropRow_ = 0;
};
