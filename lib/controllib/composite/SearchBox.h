#ifndef SEARCHBOX_H
#define SEARCHBOX_H

#include <QString>
#include <QWidget>

class LineEdit;
class TouchButton;

// A rounded search field with a search button in front; only the button
// starts a search.
class SearchBox : public QWidget
{
    Q_OBJECT
public:
    explicit SearchBox(QWidget *parent = nullptr);

    QString text() const;

signals:
    void searchButtonClicked(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TouchButton *searchButton;
    LineEdit *lineEdit;
};

#endif
