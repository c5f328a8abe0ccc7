// Subtrees searched on threads, and the merge of their results in the serial search's order.
#include "search/parallel_search.h"

#include "model/board.h"
#include "model/session.h"
#include "search/result_evaluation.h"
#include "search/search_session.h"
#include "search/search_threads.h"
#include "search/step_gate.h"
#include "search/subtree_walker.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace corvane {

namespace {

/// Bits of the word every thread reads between two steps; any bit set sends it to the lock.
enum Attention : unsigned {
    CancelBit = 1,  // stop
    PauseBit = 2,   // stand still until resumed
    SplitBit = 4,   // a thread wants work: give away a branch
    PublishBit = 8, // copy the engine of the earliest subtree for the live picture
    GateBit = 16,   // a step gate is set: every step asks it first
};

/// Solutions of a subtree as the merge takes them: one solution, or (when nobody needs them
/// one by one) the subtree's whole count.
struct Found {
    std::uint64_t count = 1;
    std::uint64_t step = 0;       // the subtree's steps up to it; the search's once merged
    bool choiceLeft = false;      // the trail still held a choice after it
    bool blanks = false;          // the subtree's first solution leaves a cell on no path
    std::optional<Answer> answer; // built while someone needs it
};

enum class TaskState { Pending, Running, Done };

/// A subtree; its node's branch prefix is its key in the task map.
struct Task {
    TaskState state = TaskState::Pending;
    alignas(64) std::atomic<std::uint64_t> steps{0}; // its thread stores it after every step
    std::uint64_t solutions = 0;                     // set when done
    bool firstBlanks = false;                        // set when done
    std::deque<Found> found; // solutions the merge has not taken (one by one only)
    std::size_t foundBytes = 0;
};

/// The serial search's order of nodes: by their first differing branch, a node before the
/// nodes below it.
struct SerialOrder {
    bool operator()(const BranchPrefix& a, const BranchPrefix& b) const {
        const std::size_t common = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < common; ++i)
            if (a[i] != b[i]) return a[i] < b[i];
        return a.size() < b.size();
    }
};

/// Subtrees by their node's prefix, in the serial order.
using TaskMap = std::map<BranchPrefix, std::unique_ptr<Task>, SerialOrder>;

/// Memory a buffered solution is counted for.
std::size_t bytesOf(const Found& found) {
    return sizeof(Found) + (found.answer ? found.answer->byteSize() : 0);
}

} // namespace

/// Everything the threads share, and the owner's side of the merge.
///
/// Who may touch what (the owner is the thread that made the search and calls its members):
/// - Fixed before the threads start, then only read: session and search (the owner's, which
///   the threads never touch: SearchThreads roots every walker from `search` before a body
///   runs, and only merge, on the owner's thread, changes them afterwards), options,
///   answersNeeded, oneByOne, the workers vector and threads.
/// - Each Worker belongs to its thread: walker, prefix and answer are touched by that thread
///   only; its `shallowest` is written by that thread only and read by all.
/// - `mutex` guards tasks (the map and every Task in it but `steps`), pending, running, idle,
///   stepping, buffered, cancelled, paused, publishTask, publishTarget and published; the two
///   condition variables are waited on with it. Every decision that changes what a thread
///   does (take a task, give work away, stand still, stop, copy its engine) is made under it.
/// - Atomics read without the lock, all relaxed, each only a hint whose staleness costs time,
///   never a result:
///   - attention: written under the lock (updateAttention), read by every thread between two
///     steps to decide whether to take the lock; under the lock it re-reads the fields the bit
///     stands for, so a stale set bit costs one needless lock and a missed one is seen a step
///     later (pause waits for `stepping` to reach 0, not for the bit to be seen).
///   - Worker::shallowest: picks the thread that gives work away; a stale value can make two
///     threads give (a spare task more) or none for a step, and serveWhileLocked checks under
///     the lock whether a task is still wanted. Where the work is cut never changes the merged
///     result, which follows the serial order of the prefixes.
///   - Task::steps: written by its thread after every step, summed for the live step count;
///     the last store is made under the lock before the task is marked Done, so merge adds the
///     final count of every merged task.
///   - answersWanted: cleared by merge once no later answer can be kept and never set again;
///     a thread that still sees it set only builds an answer that the merge does not use.
/// - The owner's side (mergedSteps, outcome, batch) is touched on the owner's thread only.
/// - publishEarliest hands the owner's engine to a thread under the lock and waits on
///   `progress` until the copy is done, so the copy and the owner's later reads are ordered
///   by the lock.
/// - The step gate (a test hook, options.gate) keeps its permits under its own lock, taken
///   inside `mutex` (attend calls pass() with it held) and never the other way round: the
///   gate wakes held threads through its waker, which takes `mutex` only after the gate's
///   lock is released. A held thread waits on `workChanged` as a paused one does.
struct ParallelSearch::Shared {
    struct Worker {
        SubtreeWalker* walker = nullptr;
        BranchPrefix prefix;          // of the subtree being searched
        std::optional<Answer> answer; // the answer of the step just taken
        /// The walker's shallowestOpen as last seen while a split was wanted; written only
        /// when it changes, so that the others can read it at every step.
        alignas(64) std::atomic<int> shallowest{SubtreeWalker::NoOpenChoice};
    };

    Shared(Session& s, SearchSession& r, const ParallelOptions& o)
        : session(s), search(r), options(o),
          answersNeeded(bool(r.answerObserver) || keepsAnotherAnswer(s.board, r.answerLimits)),
          oneByOne(answersNeeded || o.limit > 0) {}

    /// A thread's life: takes the earliest waiting subtree, searches it, until none is left.
    void threadMain(Worker& w);
    /// Searches one subtree to its end, or until cancelled or its own solutions pass the limit.
    void searchTask(Worker& w, Task& task);
    /// Between two steps, when the attention word is set: false when the thread must stop.
    bool attend(Worker& w, Task& task);
    /// Hands a solution of the step just taken to the merge; false when the task must stop.
    bool afterStep(Worker& w, Task& task, std::uint64_t& seen);
    /// Buffers a solution for the merge, waiting for room; false when cancelled.
    bool deliver(Worker& w, Task& task, Found&& found);
    /// Under the lock: publishes the engine and gives work away when asked to.
    void serveWhileLocked(Worker& w, Task& task);
    /// Under the lock: recomputes the attention word from the shared state.
    void updateAttention();
    /// Stops every thread at its next step.
    void cancel();
    /// Under the lock: true when no subtree before `task` is left to merge.
    bool earliest(const Task& task) const { return tasks.begin()->second.get() == &task; }
    /// True when `w` has the open choice nearest the root of all threads.
    bool shallowestDonor(Worker& w);

    // Fixed before the threads start, but for answersWanted.
    Session& session;
    SearchSession& search;
    const ParallelOptions options;
    const bool answersNeeded;              // answers are built for the observer or the list
    const bool oneByOne;                   // solutions reach the merge one by one
    std::atomic<bool> answersWanted{true}; // cleared once no later answer can be used; no lock
    std::vector<std::unique_ptr<Worker>> workers;
    SearchThreads* threads = nullptr; // the session's threads, while they run this search

    // Guarded by `mutex`, but for `attention`.
    std::mutex mutex;
    std::condition_variable workChanged; // threads wait here
    std::condition_variable progress;    // the owner waits here
    TaskMap tasks;                       // not merged yet, in serial order
    std::size_t pending = 0;             // tasks not started
    std::size_t running = 0;             // tasks being searched
    std::size_t idle = 0;                // threads waiting for a task
    std::size_t stepping = 0;            // threads inside a task and not waiting
    std::size_t buffered = 0;            // bytes of solutions not merged
    bool cancelled = false;
    bool paused = false;
    const Task* publishTask = nullptr; // the subtree whose engine the owner asked for
    Engine* publishTarget = nullptr;
    bool published = false;
    std::atomic<unsigned> attention{0}; // written under the lock, read without it

    // The owner's side.
    std::uint64_t mergedSteps = 0; // steps of the merged subtrees
    ParallelOutcome outcome = ParallelOutcome::Running;
    std::vector<Found> batch;
};

void ParallelSearch::Shared::updateAttention() {
    unsigned bits = 0;
    if (cancelled) bits |= CancelBit;
    if (paused) bits |= PauseBit;
    if (!paused && pending < idle + options.spareTasks) bits |= SplitBit;
    if (publishTask) bits |= PublishBit;
    if (options.gate) bits |= GateBit;
    attention.store(bits, std::memory_order_relaxed);
}

void ParallelSearch::Shared::cancel() {
    std::lock_guard lock(mutex);
    cancelled = true;
    updateAttention();
    workChanged.notify_all();
    progress.notify_all();
}

void ParallelSearch::Shared::threadMain(Worker& w) {
    std::unique_lock lock(mutex);
    bool fresh = true; // just started, or just finished a subtree
    while (!cancelled) {
        if (pending > 0 && !paused) {
            auto it = tasks.begin();
            while (it->second->state != TaskState::Pending) ++it;
            Task& task = *it->second;
            w.prefix.assign(it->first.begin(), it->first.end());
            task.state = TaskState::Running;
            --pending;
            ++running;
            ++stepping;
            updateAttention();
            lock.unlock();
            searchTask(w, task);
            w.shallowest.store(SubtreeWalker::NoOpenChoice, std::memory_order_relaxed);
            lock.lock();
            task.steps.store(w.walker->steps(), std::memory_order_relaxed);
            task.solutions = w.walker->solutions();
            task.firstBlanks = w.walker->firstHasBlanks();
            task.state = TaskState::Done;
            --running;
            --stepping;
            if (publishTask == &task) publishTask = nullptr;
            updateAttention();
            progress.notify_all();
            fresh = true;
            continue;
        }
        if (pending == 0 && running == 0) break; // every subtree is done
        ++idle;
        updateAttention();
        // Threads that wait (for room, or paused) give work away only when woken; the other
        // idle threads may see that nothing is left.
        if (fresh) workChanged.notify_all();
        fresh = false;
        workChanged.wait(lock);
        --idle;
        updateAttention();
    }
    workChanged.notify_all();
    progress.notify_all();
}

void ParallelSearch::Shared::searchTask(Worker& w, Task& task) {
    w.walker->enter(w.prefix);
    task.steps.store(w.walker->steps(), std::memory_order_relaxed);
    std::uint64_t seen = 0;
    if (!afterStep(w, task, seen)) return;
    for (;;) {
        const unsigned bits = attention.load(std::memory_order_relaxed);
        // A split request concerns only the thread with the shallowest branch to give.
        if (bits != 0 && (bits != SplitBit || shallowestDonor(w)) && !attend(w, task)) return;
        if (!w.walker->step()) return;
        task.steps.store(w.walker->steps(), std::memory_order_relaxed);
        if (!afterStep(w, task, seen)) return;
    }
}

bool ParallelSearch::Shared::attend(Worker& w, Task& task) {
    std::unique_lock lock(mutex);
    for (;;) {
        if (cancelled) return false;
        serveWhileLocked(w, task);
        // A thread the gate holds stands still like a paused one until it is woken.
        if (!paused && (!options.gate || options.gate->pass())) return true;
        --stepping;
        progress.notify_all();
        workChanged.wait(lock);
        ++stepping;
    }
}

bool ParallelSearch::Shared::shallowestDonor(Worker& w) {
    // The subtree below the shallowest open choice of all is, as a rule, the largest one to
    // give away: fewer and larger pieces mean less replay.
    const int mine = w.walker->shallowestOpen();
    if (w.shallowest.load(std::memory_order_relaxed) != mine)
        w.shallowest.store(mine, std::memory_order_relaxed);
    if (mine == SubtreeWalker::NoOpenChoice) return false;
    for (const auto& other : workers)
        if (other.get() != &w && other->shallowest.load(std::memory_order_relaxed) < mine)
            return false;
    return true;
}

void ParallelSearch::Shared::serveWhileLocked(Worker& w, Task& task) {
    if (publishTask == &task) {
        copySearchState(*publishTarget, w.walker->engine());
        published = true;
        publishTask = nullptr;
        updateAttention();
        progress.notify_all();
    }
    if (!paused && pending < idle + options.spareTasks && shallowestDonor(w)) {
        BranchPrefix prefix;
        if (w.walker->donate(prefix)) {
            [[maybe_unused]] const bool inserted =
                tasks.emplace(std::move(prefix), std::make_unique<Task>()).second;
            assert(inserted);
            ++pending;
            updateAttention();
            workChanged.notify_all();
        }
    }
}

bool ParallelSearch::Shared::afterStep(Worker& w, Task& task, std::uint64_t& seen) {
    const std::uint64_t found = w.walker->solutions();
    if (found == seen) return true;
    seen = found;
    if (oneByOne) {
        Found one;
        one.step = w.walker->steps();
        one.choiceLeft = w.walker->choiceLeft();
        one.blanks = found == 1 && w.walker->firstHasBlanks();
        one.answer = std::move(w.answer);
        w.answer.reset();
        if (!deliver(w, task, std::move(one))) return false;
    }
    // Past `limit` solutions of its own, nothing later in the subtree can be the limit-th.
    return options.limit == 0 || found < options.limit;
}

bool ParallelSearch::Shared::deliver(Worker& w, Task& task, Found&& found) {
    const std::size_t bytes = bytesOf(found);
    std::unique_lock lock(mutex);
    for (;;) {
        if (cancelled) return false;
        serveWhileLocked(w, task);
        // Later subtrees wait for room; the earliest one only for its own solutions to be
        // taken, so the merge always advances.
        if (buffered + bytes <= options.bufferBytes || (earliest(task) && task.found.empty()))
            break;
        --stepping;
        progress.notify_all();
        workChanged.wait(lock);
        ++stepping;
    }
    buffered += bytes;
    task.foundBytes += bytes;
    task.found.push_back(std::move(found));
    if (earliest(task)) progress.notify_all();
    return true;
}

ParallelSearch::ParallelSearch(Session& session, SearchSession& search,
                               const ParallelOptions& options)
    : shared_(std::make_unique<Shared>(session, search, options)) {}

ParallelSearch::~ParallelSearch() {
    shared_->cancel();
    if (shared_->threads) shared_->threads->wait();
    if (shared_->options.gate) shared_->options.gate->setWaker(nullptr);
}

bool ParallelSearch::start() {
    Shared& s = *shared_;
    {
        std::lock_guard lock(s.mutex);
        s.tasks.emplace(BranchPrefix{}, std::make_unique<Task>()); // the whole tree
        s.pending = 1;
        s.updateAttention();
    }
    if (s.options.gate)
        s.options.gate->setWaker([&s] {
            std::lock_guard lock(s.mutex);
            s.workChanged.notify_all();
        });
    if (!s.search.threads) s.search.threads.reset(new SearchThreads);
    s.threads = s.search.threads.get();
    for (unsigned i = 0; i < std::max(1u, s.options.threads); ++i)
        s.workers.push_back(std::make_unique<Shared::Worker>());
    const std::size_t started = s.threads->run(
        s.workers.size(), s.session.board, s.search, [&s](std::size_t i, SubtreeWalker& walker) {
            Shared::Worker& w = *s.workers[i];
            w.walker = &walker;
            if (s.answersNeeded)
                walker.setAnswerSink([&s, &w](const Answer& answer) {
                    if (s.answersWanted.load(std::memory_order_relaxed)) w.answer = answer;
                });
            s.threadMain(w);
        });
    if (started == 0) s.threads = nullptr;
    return started > 0;
}

void ParallelSearch::waitForProgress(std::chrono::milliseconds timeout) {
    Shared& s = *shared_;
    std::unique_lock lock(s.mutex);
    s.progress.wait_for(lock, timeout, [&] {
        if (s.cancelled || s.tasks.empty()) return true;
        const Task& first = *s.tasks.begin()->second;
        return first.state == TaskState::Done || !first.found.empty();
    });
}

void ParallelSearch::waitUntilOver(std::chrono::milliseconds timeout) {
    Shared& s = *shared_;
    std::unique_lock lock(s.mutex);
    s.progress.wait_for(lock, timeout,
                        [&] { return s.cancelled || (s.pending == 0 && s.running == 0); });
}

ParallelOutcome ParallelSearch::merge() {
    Shared& s = *shared_;
    if (s.outcome != ParallelOutcome::Running) return s.outcome;
    s.batch.clear();
    bool over = false;
    {
        std::lock_guard lock(s.mutex);
        bool taken = false;
        while (!s.tasks.empty()) {
            Task& task = *s.tasks.begin()->second;
            for (Found& f : task.found) {
                f.step += s.mergedSteps;
                s.batch.push_back(std::move(f));
            }
            taken = taken || !task.found.empty();
            task.found.clear();
            s.buffered -= task.foundBytes;
            task.foundBytes = 0;
            if (task.state != TaskState::Done) break;
            if (!s.oneByOne && task.solutions > 0) {
                Found all;
                all.count = task.solutions;
                all.blanks = task.firstBlanks;
                s.batch.push_back(std::move(all));
            }
            s.mergedSteps += task.steps.load(std::memory_order_relaxed);
            s.tasks.erase(s.tasks.begin());
            taken = true;
        }
        over = s.tasks.empty();
        if (taken) s.workChanged.notify_all();
    }

    Board& board = s.session.board;
    for (Found& f : s.batch) {
        if (!s.oneByOne) {
            if (board.solutionsFound == 0) s.search.firstAnswerHasBlanks = f.blanks;
            board.solutionsFound += f.count;
            continue;
        }
        acceptSolution(s.session, s.search, f.answer ? &*f.answer : nullptr, f.blanks);
        if (s.options.limit > 0 && board.solutionsFound >= s.options.limit) {
            // Final: every subtree before this one is merged. With no choice left on the
            // trail the serial search would have ended here with its own report.
            s.session.status.stepCount = f.step;
            s.cancel();
            s.outcome = f.choiceLeft ? ParallelOutcome::LimitReached : ParallelOutcome::Exhausted;
            return s.outcome;
        }
    }
    s.batch.clear();
    if (s.answersNeeded && !s.search.answerObserver &&
        !keepsAnotherAnswer(board, s.search.answerLimits))
        s.answersWanted.store(false, std::memory_order_relaxed);
    if (over) {
        s.session.status.stepCount = s.mergedSteps;
        s.outcome = ParallelOutcome::Exhausted;
        return s.outcome;
    }
    s.session.status.stepCount = stepsSoFar();
    return ParallelOutcome::Running;
}

void ParallelSearch::pause() {
    Shared& s = *shared_;
    std::unique_lock lock(s.mutex);
    s.paused = true;
    s.updateAttention();
    s.workChanged.notify_all();
    s.progress.wait(lock, [&] { return s.stepping == 0 || s.cancelled; });
}

void ParallelSearch::resume() {
    Shared& s = *shared_;
    std::lock_guard lock(s.mutex);
    s.paused = false;
    s.updateAttention();
    s.workChanged.notify_all();
}

bool ParallelSearch::publishEarliest(Engine& target) {
    Shared& s = *shared_;
    std::unique_lock lock(s.mutex);
    const Task* task = nullptr;
    for (const auto& entry : s.tasks)
        if (entry.second->state == TaskState::Running) {
            task = entry.second.get();
            break;
        }
    if (!task) return false;
    s.publishTask = task;
    s.publishTarget = &target;
    s.published = false;
    s.updateAttention();
    s.workChanged.notify_all();
    s.progress.wait(lock, [&] { return s.publishTask != task || s.cancelled; });
    s.publishTask = nullptr;
    s.updateAttention();
    return s.published;
}

std::uint64_t ParallelSearch::stepsSoFar() {
    Shared& s = *shared_;
    std::lock_guard lock(s.mutex);
    std::uint64_t steps = s.mergedSteps;
    for (const auto& entry : s.tasks) steps += entry.second->steps.load(std::memory_order_relaxed);
    return steps;
}

void ParallelSearchDeleter::operator()(ParallelSearch* search) const {
    delete search;
}

void SearchThreadsDeleter::operator()(SearchThreads* threads) const {
    delete threads;
}

} // namespace corvane
