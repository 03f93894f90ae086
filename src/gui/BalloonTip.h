#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>

class QWidget;

class BalloonTipWindow;

// One balloon tip bound to one anchor widget, in the desktop's tooltip colours, its text
// wrapped at WrapLength pixels. The properties are stored as they are set; VisibleTime and
// DelayTime take effect at the next Create, the others at once when a tip window exists. Create may be called again to
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
    // The widest the text grows before it wraps, in pixels.
    static constexpr int WrapLength = 320;

    explicit BalloonTip(QObject *parent = nullptr);
    ~BalloonTip() override;

    // Builds the tip window for the anchor, replacing any earlier one.
    void Create(QWidget *ParentHwnd);

    void setIcon(qint32 vData);
    qint32 Icon() const { return m_icon; }
    void setTitle(const QString &vData);
    QString Title() const { return m_title; }
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showTip();
    void hideTip();
    void applyTitle();

    QString m_title;
    qint32 m_icon = IconNone;
    QString m_tipText;
    qint32 m_visibleTime = 5000;
    qint32 m_delayTime = 500;
    BalloonTipWindow *m_tooltipWindow = nullptr;
    QPointer<QWidget> m_parentWindow;

    // What Create fixed for the tip window's life.
    qint32 m_appliedVisibleTime = 5000;
    qint32 m_appliedDelayTime = 500;

    QTimer m_delayTimer;
    QTimer m_visibleTimer;
    QPoint m_mousePos; // global position of the mouse over the anchor
    bool m_timedOut = false;
};
