// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports how long after its exec its window was mapped and first drawn
// into, both in milliseconds, from the X server's own events: the root window's
// substructure events tell the map, an XDamage object on the new window tells the first
// drawing. Nothing is polled, so the figures carry no sampling delay.
//
// Usage: window_watch [-t seconds] program [arguments...]
//
// Once the window is drawn it prints "pid <pid> mapped <ms> painted <ms>" on one line and
// keeps the program running. When its standard input then reaches its end (or a line
// arrives), it closes the window the way a window manager does (WM_DELETE_WINDOW) and
// waits for the program to exit. It exits with 0 only when the program showed its window
// and then left with status 0 within the time limit (default 20 s) of each step.
// Linux only (signalfd, pipe2): build with -D_GNU_SOURCE.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/signalfd.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum {
    DefaultTimeLimit = 20, // seconds for the window to show, and again for the exit
    WatcherNice = -10,     // the watcher's own priority, where it may raise it
    MillisPerSecond = 1000,
    NanosPerMilli = 1000000,
    ExitStatusExecFailed = 127,
};

typedef struct {
    Display* display;
    int damageEventBase;
    pid_t child;
    struct timespec execTime;
    Window window;
    double mappedMs;
    double paintedMs;
    bool painted;
} Watch;

static void fail(const char* message)
{
    fprintf(stderr, "window_watch: %s\n", message);
    exit(EXIT_FAILURE);
}

static double millisSince(const struct timespec* start)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)(now.tv_sec - start->tv_sec) * MillisPerSecond +
           (double)(now.tv_nsec - start->tv_nsec) / NanosPerMilli;
}

// A window of the watched program can vanish between its creation and our request about
// it; such errors are expected and carry no news.
static int ignoreXError(Display* display, XErrorEvent* error)
{
    (void)display;
    (void)error;
    return 0;
}

static pid_t windowPid(Display* display, Window window)
{
    Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = NULL;
    pid_t pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &remaining, &data) == Success &&
        type == XA_CARDINAL && format == 32 && count == 1)
        pid = (pid_t) * (const unsigned long*)data;
    if (data)
        XFree(data);
    return pid;
}

// The child writes its clock just before exec; the pipe closes on a successful exec, or
// carries the exec's errno when it failed.
static void startChild(Watch* watch, char** argv, const sigset_t* parentMask)
{
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        fail("cannot make a pipe");
    fcntl(ConnectionNumber(watch->display), F_SETFD, FD_CLOEXEC);
    watch->child = fork();
    if (watch->child < 0)
        fail("cannot fork");
    if (watch->child == 0) {
        sigprocmask(SIG_SETMASK, parentMask, NULL);
        close(pipeFds[0]);
        struct timespec start;
        clock_gettime(CLOCK_MONOTONIC, &start);
        if (write(pipeFds[1], &start, sizeof start) != (ssize_t)sizeof start)
            _exit(ExitStatusExecFailed);
        execvp(argv[0], argv);
        int error = errno;
        if (write(pipeFds[1], &error, sizeof error) != (ssize_t)sizeof error)
            _exit(ExitStatusExecFailed);
        _exit(ExitStatusExecFailed);
    }
    close(pipeFds[1]);
    if (read(pipeFds[0], &watch->execTime, sizeof watch->execTime) !=
        (ssize_t)sizeof watch->execTime)
        fail("the child did not start");
    int error = 0;
    if (read(pipeFds[0], &error, sizeof error) > 0) {
        fprintf(stderr, "window_watch: cannot run %s: %s\n", argv[0], strerror(error));
        exit(EXIT_FAILURE);
    }
    close(pipeFds[0]);
}

static void handleXEvent(Watch* watch, const XEvent* event)
{
    if (event->type == CreateNotify) {
        // Damage is tracked from the creation on, so no drawing that follows the map
        // closely can slip past before we have asked for it.
        const XCreateWindowEvent* created = &event->xcreatewindow;
        if (!created->override_redirect)
            XDamageCreate(watch->display, created->window, XDamageReportNonEmpty);
    } else if (event->type == MapNotify) {
        const XMapEvent* mapped = &event->xmap;
        if (watch->window != None || mapped->override_redirect ||
            windowPid(watch->display, mapped->window) != watch->child)
            return;
        watch->window = mapped->window;
        watch->mappedMs = millisSince(&watch->execTime);
    } else if (event->type == watch->damageEventBase + XDamageNotify) {
        const XDamageNotifyEvent* damage = (const XDamageNotifyEvent*)event;
        if (watch->painted || watch->window == None || damage->drawable != watch->window)
            return;
        watch->paintedMs = millisSince(&watch->execTime);
        watch->painted = true;
        printf("pid %d mapped %.1f painted %.1f\n", (int)watch->child, watch->mappedMs,
               watch->paintedMs);
        fflush(stdout);
    }
}

// Asks the window to close as a window manager's close button does.
static void closeWindow(const Watch* watch)
{
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = watch->window;
    event.xclient.message_type = XInternAtom(watch->display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(watch->display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(watch->display, watch->window, False, NoEventMask, &event);
    XFlush(watch->display);
}

// Returns the program's exit status, or -1 when the signal was one to stop watching.
static int readSignal(int signalFd, const Watch* watch)
{
    struct signalfd_siginfo info;
    if (read(signalFd, &info, sizeof info) != (ssize_t)sizeof info)
        fail("cannot read a signal");
    if (info.ssi_signo != SIGCHLD) {
        kill(watch->child, SIGTERM);
        waitpid(watch->child, NULL, 0);
        fail("stopped by a signal");
    }
    int status = 0;
    if (waitpid(watch->child, &status, WNOHANG) != watch->child)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : EXIT_FAILURE;
}

int main(int argc, char** argv)
{
    int timeLimit = DefaultTimeLimit;
    int first = 1;
    if (argc > 2 && strcmp(argv[1], "-t") == 0) {
        timeLimit = atoi(argv[2]);
        first = 3;
    }
    if (first >= argc || timeLimit <= 0) {
        fprintf(stderr, "usage: %s [-t seconds] program [arguments...]\n", argv[0]);
        return 2;
    }

    Watch watch;
    memset(&watch, 0, sizeof watch);
    watch.display = XOpenDisplay(NULL);
    if (!watch.display)
        fail("cannot open the display");
    int damageErrorBase = 0;
    if (!XDamageQueryExtension(watch.display, &watch.damageEventBase, &damageErrorBase))
        fail("the X server has no DAMAGE extension");
    XSetErrorHandler(ignoreXError);
    XSelectInput(watch.display, DefaultRootWindow(watch.display), SubstructureNotifyMask);
    XSync(watch.display, False);

    sigset_t watched;
    sigset_t parentMask;
    sigemptyset(&watched);
    sigaddset(&watched, SIGCHLD);
    sigaddset(&watched, SIGTERM);
    sigaddset(&watched, SIGINT);
    sigaddset(&watched, SIGHUP);
    sigprocmask(SIG_BLOCK, &watched, &parentMask);
    int signalFd = signalfd(-1, &watched, SFD_CLOEXEC);
    if (signalFd < 0)
        fail("cannot watch signals");

    startChild(&watch, argv + first, &parentMask);
    // On a busy machine a late watcher reads the map and the first damage together and stamps
    // both late. Only the watcher, which sleeps but for these two events, is put ahead, and
    // only where that is allowed; the program keeps the priority it was started with.
    (void)setpriority(PRIO_PROCESS, 0, WatcherNice);

    bool closing = false;
    struct timespec stepStart = watch.execTime;
    for (;;) {
        while (XPending(watch.display)) {
            XEvent event;
            XNextEvent(watch.display, &event);
            bool wasPainted = watch.painted;
            handleXEvent(&watch, &event);
            if (watch.painted && !wasPainted)
                clock_gettime(CLOCK_MONOTONIC, &stepStart);
        }
        // Standard input is only listened to once the window is drawn, and only until the
        // close is sent; before and after, the time limit runs.
        bool listening = watch.painted && !closing;
        struct pollfd fds[] = {
            {ConnectionNumber(watch.display), POLLIN, 0},
            {signalFd, POLLIN, 0},
            {STDIN_FILENO, POLLIN, 0},
        };
        int waitMs = -1;
        if (!listening) {
            waitMs = timeLimit * MillisPerSecond - (int)millisSince(&stepStart);
            if (waitMs <= 0) {
                kill(watch.child, SIGKILL);
                waitpid(watch.child, NULL, 0);
                fail(closing ? "the program did not exit after its window was closed"
                             : "the program showed no window in time");
            }
        }
        if (poll(fds, listening ? 3 : 2, waitMs) < 0 && errno != EINTR)
            fail("poll failed");
        if (fds[1].revents & POLLIN) {
            int status = readSignal(signalFd, &watch);
            if (status >= 0) {
                if (!closing)
                    fail("the program exited before its window was closed");
                if (status != 0)
                    fail("the program exited with an error");
                return 0;
            }
        }
        if (listening && (fds[2].revents & (POLLIN | POLLHUP))) {
            closeWindow(&watch);
            closing = true;
            clock_gettime(CLOCK_MONOTONIC, &stepStart);
        }
    }
}
