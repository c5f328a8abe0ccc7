// Threads with a big stack, made with POSIX threads (std::thread cannot set the stack size).
#include "search/worker_thread.h"

namespace corvane {

WorkerThread::WorkerThread(std::function<void()> body) : body_(std::move(body)) {
    pthread_attr_t attr;
    if (pthread_attr_init(&attr) != 0) return;
    pthread_attr_setstacksize(&attr, WorkerStackBytes);
    started_ = pthread_create(&thread_, &attr, &WorkerThread::run, this) == 0;
    pthread_attr_destroy(&attr);
}

WorkerThread::~WorkerThread() {
    join();
}

void WorkerThread::join() {
    if (!started_) return;
    pthread_join(thread_, nullptr);
    started_ = false;
}

void* WorkerThread::run(void* self) {
    static_cast<WorkerThread*>(self)->body_();
    return nullptr;
}

} // namespace corvane
