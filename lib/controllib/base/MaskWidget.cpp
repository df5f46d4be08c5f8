#include "MaskWidget.h"

#include <QEvent>
#include <QPalette>

namespace {

constexpr double kMaskOpacity = 0.3;

}

MaskWidget::MaskWidget(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setMaskColor(QColor(0, 0, 0), kMaskOpacity);
}

MaskWidget::~MaskWidget()
{
    releaseDialog();
}

void MaskWidget::setMaskColor(const QColor &color, double opacity)
{
    if (!color.isValid())
        return;
    QPalette maskPalette = palette();
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        maskPalette.setBrush(QPalette::ColorGroup(group), QPalette::Window, QBrush(color));
    setPalette(maskPalette);
    setWindowOpacity(opacity);
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

bool MaskWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (dialog && watched == dialog) {
        switch (event->type()) {
        case QEvent::Show:
            show();
            break;
        case QEvent::Hide:
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
    setGeometry(maskRect);
    QWidget::showEvent(event);
}
