#!/usr/bin/python3
"""A StatusNotifierWatcher with one host, as KDE's panel or GNOME's AppIndicator extension offer it.

Prints one line per event on standard output:
  READY                         the watcher owns its name
  REGISTERED <service> <path>   an item registered itself
  TOOLTIP <title>               the title of the item's ToolTip property
  GONE <service>                the item's service left the bus
Reads commands on standard input:
  activate                      calls Activate(0, 0) on the last item
  tooltip                       reads the last item's tool tip again
"""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
PATH = "/StatusNotifierWatcher"

# Qt reads IsStatusNotifierHostRegistered through introspection: the properties must be listed.
INTROSPECTION = """<!DOCTYPE node PUBLIC "-//freedesktop//DTD D-BUS Object Introspection 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd">
<node>
  <interface name="org.freedesktop.DBus.Introspectable">
    <method name="Introspect"><arg name="xml" type="s" direction="out"/></method>
  </interface>
  <interface name="org.freedesktop.DBus.Properties">
    <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
    <method name="GetAll"><arg type="s" direction="in"/><arg type="a{sv}" direction="out"/></method>
  </interface>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
</node>
"""


def say(line):
    print(line, flush=True)


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, PATH)
        self.bus = bus
        self.items = []
        self.last = None

    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, in_signature="", out_signature="s")
    def Introspect(self):
        return INTROSPECTION

    def properties(self):
        return {
            "RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
            "IsStatusNotifierHostRegistered": dbus.Boolean(True),
            "ProtocolVersion": dbus.Int32(0),
        }

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.properties()[name]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return self.properties()

    @dbus.service.method(WATCHER, in_signature="s", out_signature="", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # The item names either its bus name or, as some do, its object path on the sender's connection.
        if service.startswith("/"):
            name, path = sender, service
        else:
            name, path = service, "/StatusNotifierItem"
        self.last = (name, path)
        self.items.append(name + path)
        say("REGISTERED %s %s" % (name, path))
        self.StatusNotifierItemRegistered(name + path)
        self.bus.watch_name_owner(name, lambda owner, name=name: owner == "" and say("GONE " + name))
        # Read the item once this call has been answered.
        GLib.idle_add(self.read_tooltip)

    @dbus.service.method(WATCHER, in_signature="s", out_signature="")
    def RegisterStatusNotifierHost(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="s")
    def StatusNotifierItemRegistered(self, service):
        pass

    @dbus.service.signal(WATCHER, signature="")
    def StatusNotifierHostRegistered(self):
        pass

    def item(self):
        name, path = self.last  # TypeError when no item registered yet
        return self.bus.get_object(name, path, introspect=False)

    def read_tooltip(self):
        try:
            self.item().Get(ITEM, "ToolTip", dbus_interface=dbus.PROPERTIES_IFACE,
                            reply_handler=lambda tip: say("TOOLTIP " + str(tip[2])),
                            error_handler=lambda e: say("ERROR " + str(e)))
        except (TypeError, dbus.DBusException) as e:
            say("ERROR " + str(e))
        return False

    def activate(self):
        try:
            self.item().Activate(dbus.Int32(0), dbus.Int32(0), dbus_interface=ITEM,
                                 reply_handler=lambda: None, error_handler=lambda e: say("ERROR " + str(e)))
        except (TypeError, dbus.DBusException) as e:
            say("ERROR " + str(e))


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    watcher = Watcher(bus)
    loop = GLib.MainLoop()
    name = dbus.service.BusName(WATCHER, bus, do_not_queue=True)

    def command(source, condition):
        line = sys.stdin.readline()
        if not line:
            loop.quit()
            return False
        line = line.strip()
        if line == "activate":
            watcher.activate()
        elif line == "tooltip":
            watcher.read_tooltip()
        return True

    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, command)
    say("READY")
    loop.run()
    del name


if __name__ == "__main__":
    main()
