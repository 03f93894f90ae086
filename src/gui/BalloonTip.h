#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <optional>

class QWidget;

class BalloonTipWindow;

// One balloon tip bound to one anchor widget. The properties are stored as they are set;
// Style, Centered, WrapLength, WrapText, VisibleTime and DelayTime take effect at the next
// Create, the others at once when a tip window exists. Create may be called again to
// rebuild the tip with new settings: the object never has more than one tip window.
//
// The tip shows once the mouse has rested on the anchor for DelayTime milliseconds and
// stays for VisibleTime milliseconds, or until the mouse leaves the anchor, presses a
// button on it, or the anchor is hidden. After it timed out it returns only when the
// mouse comes back to the anchor.
class BalloonTip final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BalloonTip)

public:
    // Icon codes beside the title.
    enum : qint32 { IconNone = 0, IconInformation = 1, IconWarning = 2, IconError = 3 };
    // Style 1 is the balloon; any other value gives a plain rectangular tip.
    static constexpr qint32 StyleBalloon = 1;

    explicit BalloonTip(QObject *parent = nullptr);
    ~BalloonTip() override;

    void setStyle(qint32 vData) { m_style = vData; }
    qint32 Style() const { return m_style; }
    void setCentered(bool vData) { m_centered = vData; }
    bool Centered() const { return m_centered; }
    void setWrapLength(qint16 vData) { m_wrapLength = vData; }
    qint16 WrapLength() const { return static_cast<qint16>(m_wrapLength); }
    void setWrapText(bool vData) { m_wrapText = vData; }
    bool WrapText() const { return m_wrapText; }

    // Builds the tip window for the anchor, replacing any earlier one.
    void Create(QWidget *ParentHwnd);

    void setIcon(qint32 vData);
    qint32 Icon() const { return m_icon; }
    // Colours are 0x00BBGGRR values; 0 leaves the desktop's tooltip colour.
    void setForeColor(qint32 vData);
    qint32 ForeColor() const { return m_foreColor; }
    void setTitle(const QString &vData);
    QString Title() const { return m_title; }
    void setBackColor(qint32 vData);
    qint32 BackColor() const { return m_backColor; }
    void setTipText(const QString &vData);
    QString TipText() const { return m_tipText; }

    // Destroys the tip window, if there is one, and lets go of the anchor.
    void Destroy();

    qint32 VisibleTime() const { return m_visibleTime; }
    void setVisibleTime(qint32 lData) { m_visibleTime = lData; }
    qint32 DelayTime() const { return m_delayTime; }
    void setDelayTime(qint32 lData) { m_delayTime = lData; }

    // The tip window made by Create (null before Create and after Destroy) and its anchor.
    QWidget *tipWindow() const;
    QWidget *anchor() const { return m_parentWindow; }

    // A 0x00BBGGRR colour value as a colour.
    static QColor colorFromValue(qint32 value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showTip();
    void hideTip();
    void applyTitle();

    // Declaration order as the tip keeps its fields.
    qint32 m_backColor = 0;
    QString m_title;
    qint32 m_foreColor = 0;
    qint32 m_icon = IconNone;
    bool m_centered = false;
    qint32 m_style = 0;
    QString m_tipText;
    qint32 m_visibleTime = 5000;
    qint32 m_delayTime = 500;
    qint32 m_wrapLength = 320;
    bool m_wrapText = true;
    BalloonTipWindow *m_tooltipWindow = nullptr;
    QPointer<QWidget> m_parentWindow;

    // What Create fixed for the tip window's life.
    qint32 m_appliedVisibleTime = 5000;
    qint32 m_appliedDelayTime = 500;
    bool m_appliedCentered = false;
    // The colours the window shows; none is the desktop's tooltip colour.
    std::optional<QColor> m_shownForeColor;
    std::optional<QColor> m_shownBackColor;

    QTimer m_delayTimer;
    QTimer m_visibleTimer;
    QPoint m_mousePos; // global position of the mouse over the anchor
    bool m_timedOut = false;
};
