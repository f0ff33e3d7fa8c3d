#include "platform/x_windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>

namespace platform {

namespace {

/// The display for one call, with X errors recorded instead of ending the process. Xlib's error
/// handler is process-wide: it is replaced for the call and put back after.
class XSession {
public:
    XSession() : m_display(XOpenDisplay(nullptr))
    {
        if (m_display)
            m_previousHandler = XSetErrorHandler(&XSession::recordError);
    }
    ~XSession()
    {
        if (!m_display)
            return;
        XSync(m_display, False); // errors of this call arrive before the handler goes
        XSetErrorHandler(m_previousHandler);
        XCloseDisplay(m_display);
    }
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    Display* display() const { return m_display; }
    Atom atom(const char* name) const { return XInternAtom(m_display, name, False); }

    /// The items of a property of format 32 (at most maxItems); empty when absent.
    std::vector<unsigned long> longs(Window window, Atom property, Atom type,
                                     long maxItems = 4096) const
    {
        std::vector<unsigned long> items;
        Atom actualType = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(m_display, window, property, 0, maxItems, False, type, &actualType,
                               &format, &count, &remaining, &data) == Success &&
            data && format == 32 && actualType == type) {
            const auto* values = reinterpret_cast<const unsigned long*>(data); // Xlib's layout
            items.assign(values, values + count);
        }
        if (data)
            XFree(data);
        return items;
    }

    /// A text property of format 8 in UTF-8; nothing when absent.
    std::optional<QString> utf8(Window window, Atom property) const
    {
        constexpr long maxLongs = 1024; // 4 KiB, far above any title shown
        std::optional<QString> text;
        Atom actualType = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        const Atom utf8String = atom("UTF8_STRING");
        if (XGetWindowProperty(m_display, window, property, 0, maxLongs, False, utf8String,
                               &actualType, &format, &count, &remaining, &data) == Success &&
            data && format == 8 && actualType == utf8String)
            text = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                     static_cast<qsizetype>(count));
        if (data)
            XFree(data);
        return text;
    }

private:
    static int recordError(Display*, XErrorEvent*) { return 0; }

    Display* m_display;
    int (*m_previousHandler)(Display*, XErrorEvent*) = nullptr;
};

bool contains(const std::vector<unsigned long>& items, Atom value)
{
    return std::find(items.begin(), items.end(), value) != items.end();
}

QString legacyTitle(Display* display, Window window)
{
    XTextProperty property{};
    if (!XGetWMName(display, window, &property) || !property.value)
        return {};
    QString title;
    char** list = nullptr;
    int count = 0;
    if (Xutf8TextPropertyToTextList(display, &property, &list, &count) >= Success && list &&
        count > 0)
        title = QString::fromUtf8(list[0]);
    if (list)
        XFreeStringList(list);
    XFree(property.value);
    return title;
}

} // namespace

std::vector<ClientWindow> clientWindows()
{
    const XSession x;
    if (!x.display())
        return {};
    const Window root = DefaultRootWindow(x.display());
    const Atom pidAtom = x.atom("_NET_WM_PID");
    std::vector<ClientWindow> windows;
    for (const unsigned long handle : x.longs(root, x.atom("_NET_CLIENT_LIST"), XA_WINDOW)) {
        const std::vector<unsigned long> pid = x.longs(handle, pidAtom, XA_CARDINAL, 1);
        windows.push_back({static_cast<std::uint32_t>(handle),
                           pid.empty() ? 0 : static_cast<std::int64_t>(pid.front())});
    }
    return windows;
}

std::optional<WindowFacts> windowFacts(std::uint32_t handle)
{
    const XSession x;
    if (!x.display() || handle == 0)
        return std::nullopt;
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(x.display(), handle, &attributes))
        return std::nullopt;
    WindowFacts facts;
    facts.desktop = static_cast<std::uint32_t>(DefaultRootWindow(x.display()));
    facts.visible = attributes.map_state == IsViewable;

    const Atom wmState = x.atom("WM_STATE");
    const std::vector<unsigned long> iccState = x.longs(handle, wmState, wmState, 2);
    const std::vector<unsigned long> netState = x.longs(handle, x.atom("_NET_WM_STATE"), XA_ATOM);
    facts.minimised = (!iccState.empty() && iccState.front() == IconicState) ||
                      contains(netState, x.atom("_NET_WM_STATE_HIDDEN"));

    Window owner = None;
    if (XGetTransientForHint(x.display(), handle, &owner))
        facts.owner = static_cast<std::uint32_t>(owner);

    const std::vector<unsigned long> types =
        x.longs(handle, x.atom("_NET_WM_WINDOW_TYPE"), XA_ATOM);
    facts.toolWindow = contains(types, x.atom("_NET_WM_WINDOW_TYPE_UTILITY")) ||
                       contains(types, x.atom("_NET_WM_WINDOW_TYPE_TOOLBAR")) ||
                       contains(netState, x.atom("_NET_WM_STATE_SKIP_TASKBAR"));

    if (const auto title = x.utf8(handle, x.atom("_NET_WM_NAME")))
        facts.title = *title;
    else
        facts.title = legacyTitle(x.display(), handle);
    return facts;
}

} // namespace platform
