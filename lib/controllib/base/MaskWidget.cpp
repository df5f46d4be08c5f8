#include "MaskWidget.h"

#include <QEvent>
#include <QPainter>

namespace {

constexpr double kMaskOpacity = 0.3;

// The mask lives in the opener's top-level window, so that it covers the
// whole window however small the opener is.
QWidget *hostOf(QWidget *opener)
{
    return opener ? opener->window() : nullptr;
}

}

MaskWidget::MaskWidget(QWidget *parent)
    : QWidget(hostOf(parent))
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Presses and touches outside the card end here instead of reaching the
    // window behind.
    setAttribute(Qt::WA_NoMousePropagation);
    setMaskColor(QColor(0, 0, 0), kMaskOpacity);
    if (parent && parent != parentWidget()) {
        connect(parent, &QObject::destroyed, this, [this] {
            delete this;
        });
    }
}

MaskWidget::~MaskWidget()
{
    releaseDialog();
}

void MaskWidget::setMaskColor(const QColor &color, double opacity)
{
    if (!color.isValid())
        return;
    maskColor = color;
    maskColor.setAlphaF(opacity);
    update();
}

void MaskWidget::setMainRect(const QRect &rect)
{
    maskRect = rect;
}

QRect MaskWidget::mainRect() const
{
    return maskRect;
}

void MaskWidget::setDialog(QWidget *followed)
{
    releaseDialog();
    dialog = followed;
    if (!dialog)
        return;
    dialog->installEventFilter(this);
    dialogDestroyedConnection = connect(
        dialog, &QObject::destroyed, dialog,
        [this] {
            dialog = nullptr;
            close();
        },
        Qt::DirectConnection);
}

void MaskWidget::releaseDialog()
{
    disconnect(dialogDestroyedConnection);
    if (dialog)
        dialog->removeEventFilter(this);
    dialog = nullptr;
}

QRect MaskWidget::coveredRect() const
{
    const QWidget *host = parentWidget();
    if (!host)
        return maskRect;
    // Before the main window's place is known the mask still has to cover
    // the window, or the dialog on it would be cut away.
    if (maskRect.isNull())
        return host->rect();
    return QRect(host->mapFromGlobal(maskRect.topLeft()), maskRect.size());
}

bool MaskWidget::eventFilter(QObject *watched, QEvent *event)
{
    // A child shown or hidden on its own says so with these events; Show and
    // Hide alone reach it only while the mask itself is visible.
    if (dialog && watched == dialog) {
        switch (event->type()) {
        case QEvent::ShowToParent:
            show();
            break;
        case QEvent::HideToParent:
            hide();
            break;
        case QEvent::Close:
            close();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MaskWidget::showEvent(QShowEvent *event)
{
    setGeometry(coveredRect());
    raise();
    QWidget::showEvent(event);
    QWidget *focused = window()->focusWidget();
    if (!isAncestorOf(focused)) {
        focusBehind = focused;
        // A dialog opened from another one hands the focus back to what was
        // behind both.
        for (QWidget *widget = focused; widget; widget = widget->parentWidget()) {
            if (auto *other = qobject_cast<MaskWidget *>(widget)) {
                focusBehind = other->focusBehind;
                break;
            }
        }
        if (QWidget *first = nextFocusable(this, true))
            first->setFocus(Qt::OtherFocusReason);
        else
            setFocus(Qt::OtherFocusReason);
    }
}

void MaskWidget::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    giveFocusBack();
}

// The window gets back the focus it had before the dialog, or none if it had
// none, so that closing a dialog leaves it as it was; a focus that has moved
// on to another dialog meanwhile stays there.
void MaskWidget::giveFocusBack()
{
    QWidget *focused = window()->focusWidget();
    if (!focused || focused == this || isAncestorOf(focused)) {
        if (focusBehind)
            focusBehind->setFocus(Qt::OtherFocusReason);
        else if (focused)
            focused->clearFocus();
    }
    focusBehind = nullptr;
}

void MaskWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), maskColor);
}

QWidget *MaskWidget::nextFocusable(QWidget *from, bool next) const
{
    QWidget *candidate = from;
    do {
        candidate = next ? candidate->nextInFocusChain() : candidate->previousInFocusChain();
        if (candidate != this && isAncestorOf(candidate) && candidate->isVisibleTo(this) && candidate->isEnabled() &&
            (candidate->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            return candidate;
    } while (candidate != from);
    return nullptr;
}

// Tab and Backtab go round the dialog's fields only; the widgets behind the
// mask take no focus while it is up.
bool MaskWidget::focusNextPrevChild(bool next)
{
    // Qt asks this of a widget hidden with the focus inside it.
    if (!isVisible()) {
        giveFocusBack();
        return true;
    }
    QWidget *focused = window()->focusWidget();
    QWidget *target = nextFocusable(isAncestorOf(focused) ? focused : this, next);
    if (!target)
        return false;
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
