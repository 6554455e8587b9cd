#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT turned into a Qt signal: the handler only writes a byte to a
// pipe, and the event loop reads it and emits `received`, so that the window can store
// what it must with the whole program at its disposal rather than inside a signal handler.
namespace vellex {

class ShutdownSignals final : public QObject {
    Q_OBJECT
  public:
    // Installs the handlers; one object per program.
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;  // puts the default handlers back

  signals:
    void received(int signalNumber);

  private:
    void readPipe();
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace vellex
