#!/usr/bin/env python3
"""Asks an X11 window to close, as its title bar's close button would.

Sends the window the WM_DELETE_WINDOW message of the ICCCM, so the program gets an
ordinary close request and ends the way it ends for a user. Used where no window
manager runs (a bare Xvfb server). Usage: close_window.py WINDOW_ID
"""

import ctypes
import ctypes.util
import sys

CLIENT_MESSAGE = 33
NO_EVENT_MASK = 0


class ClientMessageEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class Event(ctypes.Union):
    _fields_ = [("client_message", ClientMessageEvent), ("pad", ctypes.c_long * 24)]


def load_xlib():
    name = ctypes.util.find_library("X11") or "libX11.so.6"
    xlib = ctypes.CDLL(name)
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [
        ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(Event)]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return xlib


def close_window(window):
    xlib = load_xlib()
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("close_window: cannot open the X display")
    event = Event()
    message = event.client_message
    message.type = CLIENT_MESSAGE
    message.window = window
    message.message_type = xlib.XInternAtom(display, b"WM_PROTOCOLS", 0)
    message.format = 32
    message.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    message.data[1] = 0  # CurrentTime
    sent = xlib.XSendEvent(display, window, 0, NO_EVENT_MASK, ctypes.byref(event))
    xlib.XFlush(display)
    xlib.XCloseDisplay(display)
    if not sent:
        sys.exit("close_window: the X server refused the close request")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: close_window.py WINDOW_ID")
    close_window(int(sys.argv[1], 0))
