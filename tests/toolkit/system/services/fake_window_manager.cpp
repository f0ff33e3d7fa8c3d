#include "fake_window_manager.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace testing_support {

struct FakeWindowManager::Connection {
    Display* display = XOpenDisplay(nullptr);

    Atom atom(const char* name) const { return XInternAtom(display, name, False); }

    void setLongs(Window w, const char* property, Atom type, std::vector<long> values) const
    {
        // Xlib takes the items of a format 32 property as longs.
        XChangeProperty(display, w, atom(property), type, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(values.data()),
                        static_cast<int>(values.size()));
        XSync(display, False);
    }
};

FakeWindowManager::FakeWindowManager() : m_x(std::make_unique<Connection>()) {}

FakeWindowManager::~FakeWindowManager()
{
    if (m_x->display)
        XCloseDisplay(m_x->display);
}

bool FakeWindowManager::connected() const
{
    return m_x->display != nullptr;
}

std::uint32_t FakeWindowManager::root() const
{
    return static_cast<std::uint32_t>(DefaultRootWindow(m_x->display));
}

std::uint32_t FakeWindowManager::makeWindow(const QString& title, long pid, bool mapped)
{
    const Window w = XCreateSimpleWindow(m_x->display, root(), 0, 0, 20, 20, 0, 0, 0);
    const QByteArray utf8 = title.toUtf8();
    XChangeProperty(m_x->display, w, m_x->atom("_NET_WM_NAME"), m_x->atom("UTF8_STRING"), 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(utf8.constData()),
                    static_cast<int>(utf8.size()));
    m_x->setLongs(w, "_NET_WM_PID", XA_CARDINAL, {pid});
    if (mapped)
        XMapWindow(m_x->display, w);
    XSync(m_x->display, False);
    return static_cast<std::uint32_t>(w);
}

std::uint32_t FakeWindowManager::makeLegacyWindow(const QString& title)
{
    const Window w = XCreateSimpleWindow(m_x->display, root(), 0, 0, 20, 20, 0, 0, 0);
    XStoreName(m_x->display, w, title.toLatin1().constData());
    XMapWindow(m_x->display, w);
    XSync(m_x->display, False);
    return static_cast<std::uint32_t>(w);
}

void FakeWindowManager::setIconic(std::uint32_t window)
{
    m_x->setLongs(window, "WM_STATE", m_x->atom("WM_STATE"), {IconicState, 0});
}

void FakeWindowManager::setTransientFor(std::uint32_t window, std::uint32_t owner)
{
    XSetTransientForHint(m_x->display, window, owner);
    XSync(m_x->display, False);
}

void FakeWindowManager::setUtilityType(std::uint32_t window)
{
    m_x->setLongs(window, "_NET_WM_WINDOW_TYPE", XA_ATOM,
                  {static_cast<long>(m_x->atom("_NET_WM_WINDOW_TYPE_UTILITY"))});
}

void FakeWindowManager::publishClientList(const std::vector<std::uint32_t>& windows)
{
    m_x->setLongs(root(), "_NET_CLIENT_LIST", XA_WINDOW,
                  std::vector<long>(windows.begin(), windows.end()));
}

} // namespace testing_support
