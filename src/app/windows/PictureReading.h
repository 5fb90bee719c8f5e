#pragma once

#include "Derive.h"

#include <QList>
#include <QObject>

#include <memory>

class QThread;

// Reads a picture for a derived scheme off the interface thread: a large one
// takes a second or more to decode, and the window answers input meanwhile.
// One read at a time: a new one, or cancel(), lets the one before go, and what
// it finds is never told.
class PictureReading : public QObject
{
    Q_OBJECT
public:
    explicit PictureReading(QObject *parent = nullptr);
    // Cancels the read and waits for its thread, which ends at the decoder's next read.
    ~PictureReading() override;

    void start(const QString &path);
    void cancel();
    bool isReading() const { return m_job != nullptr; }

signals:
    // The read that was started last has ended: the picture's colours, or why it has none.
    void finished(const QString &path, const std::variant<Derive::Seeds, Problem> &result);

private:
    struct Job;
    std::shared_ptr<Job> m_job;
    QList<QThread *> m_threads; // running, the cancelled ones included
};
