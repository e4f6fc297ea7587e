// Linked into every program of the ThreadSanitizer build only (see CMakeLists.txt).
//
// Debian's Qt is not built with the thread sanitizer, and tools/tsan.supp tells the sanitizer
// to ignore everything Qt does through the C library (malloc, memcpy, pthread...). What gets
// lost with that is the ordering Qt's own locking gives a program, so this file hands the
// sanitizer that ordering back, at the three places where this program relies on it:
//
//  - a queued signal: whatever the sending thread did before the emit is seen by the slot in
//    the receiving thread (Qt: the posted-event queue's mutex);
//  - a thread's end: whatever the thread did is seen by the thread that waited for it
//    (Qt: QThread::wait and the finish code share a mutex);
//  - a thread's start is seen already (pthread_create is intercepted as usual).
//
// Both edges go through one address. That is a little coarser than Qt, whose mutexes order a
// post only with the events of the receiving thread, but it orders nothing Qt leaves unordered
// in practice: every thread of this program that emits also posts to the main thread, whose
// event loop takes the same queue lock. A race in this program's own code between two
// threads that do not meet through a signal or a wait is still reported.

#include <QCoreApplication>
#include <QThread>

#include <sanitizer/tsan_interface.h>

// Qt's signal spy hook (qobject_p.h; QtTest's -vs option uses it). Declared here because
// Debian ships Qt's private headers in a separate package; the layout is that of Qt 5.15.
struct QSignalSpyCallbackSet
{
    typedef void (*BeginCallback)(QObject *caller, int signal_or_method_index, void **argv);
    typedef void (*EndCallback)(QObject *caller, int signal_or_method_index);
    BeginCallback signal_begin_callback, slot_begin_callback;
    EndCallback signal_end_callback, slot_end_callback;
};
void Q_CORE_EXPORT qt_register_signal_spy_callbacks(QSignalSpyCallbackSet *callback_set);

// The linker's --wrap renames the program's calls to QThread::wait to these.
extern "C" bool __real__ZN7QThread4waitE14QDeadlineTimer(QThread *thread, QDeadlineTimer deadline);
extern "C" bool __real__ZN7QThread4waitEm(QThread *thread, unsigned long time);

namespace {

char g_qtOrder; // the one address both edges synchronise on

void signalEmitted(QObject *, int, void **)
{
    // Called before Qt copies the arguments into the events it posts, the only hook there is
    // in this Qt; those copies are Qt's own business (see tools/tsan.supp). Every QThread
    // also emits finished() as its last act, after all of its work.
    __tsan_release(&g_qtOrder);
}

bool eventDelivered(void **)
{
    __tsan_acquire(&g_qtOrder);
    return false; // only watching: the event is delivered as usual
}

QSignalSpyCallbackSet g_callbacks = {signalEmitted, nullptr, nullptr, nullptr};

struct Install
{
    Install()
    {
        qt_register_signal_spy_callbacks(&g_callbacks);
        QInternal::registerCallback(QInternal::EventNotifyCallback, eventDelivered);
    }
} g_install;

} // namespace

extern "C" bool __wrap__ZN7QThread4waitE14QDeadlineTimer(QThread *thread, QDeadlineTimer deadline)
{
    const bool ended = __real__ZN7QThread4waitE14QDeadlineTimer(thread, deadline);
    if (ended)
        __tsan_acquire(&g_qtOrder);
    return ended;
}

extern "C" bool __wrap__ZN7QThread4waitEm(QThread *thread, unsigned long time)
{
    const bool ended = __real__ZN7QThread4waitEm(thread, time);
    if (ended)
        __tsan_acquire(&g_qtOrder);
    return ended;
}

// Referenced by the linker (--undefined) so that every program takes this file from the
// static core library, also one that never calls QThread::wait itself.
extern "C" void kestrix_tsan_qt_sync_model() {}
