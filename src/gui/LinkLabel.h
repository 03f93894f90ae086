#pragma once

#include <QLabel>

// A caption that acts as a link: in the link colour, red while the mouse is over it,
// underlined while it has the keyboard focus; a click, Space or Enter activates it.
class LinkLabel final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LinkLabel)

public:
    explicit LinkLabel(const QString &caption, QWidget *parent = nullptr);
    ~LinkLabel() override;

    // The link colours: at rest (the palette's link colour), and while the mouse is over
    // an enabled link (red); each made readable on the palette's window colour.
    static QColor restColor(const QPalette &palette);
    static QColor hoverColor(const QPalette &palette);

Q_SIGNALS:
    void activated();

protected:
    bool event(QEvent *event) override;

private:
    void setHover(bool hover);
};
