#include "PictureReading.h"

#include <QThread>

struct PictureReading::Job
{
    QString path;
    std::atomic_bool cancelled{false};
    std::variant<Derive::Seeds, Problem> result;
};

PictureReading::PictureReading(QObject *parent)
    : QObject(parent)
{
}

PictureReading::~PictureReading()
{
    cancel();
    for (QThread *thread : std::as_const(m_threads)) {
        thread->wait();
        delete thread;
    }
}

void PictureReading::start(const QString &path)
{
    cancel();
    auto job = std::make_shared<Job>();
    job->path = path;
    m_job = job;
    QThread *thread = QThread::create([job] { job->result = Derive::seedsOfFile(job->path, &job->cancelled); });
    m_threads << thread;
    connect(thread, &QThread::finished, this, [this, thread, job] {
        m_threads.removeOne(thread);
        thread->deleteLater();
        if (job != m_job)
            return; // cancelled, or followed by another
        m_job.reset();
        emit finished(job->path, job->result);
    });
    thread->start(QThread::LowPriority);
}

void PictureReading::cancel()
{
    if (m_job) {
        m_job->cancelled = true;
        m_job.reset();
    }
}
