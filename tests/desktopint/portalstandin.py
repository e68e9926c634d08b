#!/usr/bin/python3
"""The XDG desktop portal's GlobalShortcuts interface, as a Wayland desktop offers it.

Options: --taken TRIGGER   binds a shortcut asking for TRIGGER without keys (another program has them)
         --refuse          answers every request with response 2 (refused)
Prints: READY; SESSION <handle>; BOUND <id> <preferred trigger>; ACTIVATED once the signal is out.
Reads:  activate           emits Activated for the last bound shortcut, with an activation token.
"""
import argparse
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

BUS_NAME = "org.freedesktop.portal.Desktop"
PATH = "/org/freedesktop/portal/desktop"
IFACE = "org.freedesktop.portal.GlobalShortcuts"
REQUEST = "org.freedesktop.portal.Request"


def say(line):
    print(line, flush=True)


class Request(dbus.service.Object):
    def __init__(self, bus, path):
        super().__init__(bus, path)

    @dbus.service.signal(REQUEST, signature="ua{sv}")
    def Response(self, response, results):
        pass


class Portal(dbus.service.Object):
    def __init__(self, bus, taken, refuse):
        super().__init__(bus, PATH)
        self.bus = bus
        self.taken = taken
        self.refuse = refuse
        self.session = None
        self.bound = []

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        if interface == IFACE and name == "version":
            return dbus.UInt32(1)
        raise dbus.exceptions.DBusException("no such property", name="org.freedesktop.DBus.Error.UnknownProperty")

    def request(self, sender, token):
        path = "%s/request/%s/%s" % (PATH, sender[1:].replace(".", "_"), token)
        return path, Request(self.bus, path)

    def answer(self, request, response, results):
        # After the method has returned, as a real portal does.
        GLib.timeout_add(20, lambda: request.Response(dbus.UInt32(response), results) and False)

    @dbus.service.method(IFACE, in_signature="a{sv}", out_signature="o", sender_keyword="sender")
    def CreateSession(self, options, sender=None):
        path, request = self.request(sender, str(options["handle_token"]))
        self.session = "%s/session/%s/%s" % (PATH, sender[1:].replace(".", "_"), str(options["session_handle_token"]))
        say("SESSION " + self.session)
        if self.refuse:
            self.answer(request, 2, dbus.Dictionary({}, signature="sv"))
        else:
            self.answer(request, 0, dbus.Dictionary({"session_handle": dbus.String(self.session)}, signature="sv"))
        return dbus.ObjectPath(path)

    @dbus.service.method(IFACE, in_signature="oa(sa{sv})sa{sv}", out_signature="o", sender_keyword="sender")
    def BindShortcuts(self, session, shortcuts, parent_window, options, sender=None):
        path, request = self.request(sender, str(options["handle_token"]))
        out = []
        for shortcut_id, props in shortcuts:
            trigger = str(props.get("preferred_trigger", ""))
            say("BOUND %s %s" % (shortcut_id, trigger))
            self.bound.append(str(shortcut_id))
            description = "" if trigger in self.taken else trigger.replace("CTRL", "Ctrl").replace("ALT", "Alt")
            out.append(dbus.Struct((shortcut_id, dbus.Dictionary({
                "description": props.get("description", ""),
                "trigger_description": dbus.String(description)}, signature="sv")), signature="sa{sv}"))
        results = dbus.Dictionary({"shortcuts": dbus.Array(out, signature="(sa{sv})")}, signature="sv")
        self.answer(request, 0, results)
        return dbus.ObjectPath(path)

    @dbus.service.signal(IFACE, signature="osta{sv}")
    def Activated(self, session, shortcut_id, timestamp, options):
        pass


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--taken", action="append", default=[])
    parser.add_argument("--refuse", action="store_true")
    args = parser.parse_args()

    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    portal = Portal(bus, args.taken, args.refuse)
    name = dbus.service.BusName(BUS_NAME, bus, do_not_queue=True)
    loop = GLib.MainLoop()

    def command(source, condition):
        line = sys.stdin.readline()
        if not line:
            loop.quit()
            return False
        if line.strip() == "activate" and portal.session and portal.bound:
            portal.Activated(dbus.ObjectPath(portal.session), portal.bound[-1], dbus.UInt64(1234),
                             dbus.Dictionary({"activation_token": "portal-token-1"}, signature="sv"))
            say("ACTIVATED")
        return True

    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, command)
    say("READY")
    loop.run()
    del name


if __name__ == "__main__":
    main()
