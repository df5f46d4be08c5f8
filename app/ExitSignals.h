#ifndef EXITSIGNALS_H
#define EXITSIGNALS_H

#include <QObject>
#include <QPointer>

class QSocketNotifier;
class QWidget;

// Ends the program on SIGINT, SIGTERM and SIGHUP the way its exit button
// does: by closing the main window, which saves the configuration first. The
// handler only writes the signal's number to a socket; the close runs later
// in the event loop, where it is safe. A signal the program was started with
// ignored (nohup, a background job of a script) stays ignored.
class ExitSignals : public QObject
{
    Q_OBJECT
public:
    explicit ExitSignals(QObject *parent = nullptr);
    ~ExitSignals() override;

    // Signals that came before this call wait in the socket until then.
    void closeOnSignal(QWidget *window);

private:
    void onSignalPending();

    QSocketNotifier *notifier = nullptr;
    QPointer<QWidget> mainWindow;
    QList<int> handledSignals;
};

#endif
