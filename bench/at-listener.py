#!/usr/bin/env python3
"""Stands in for a screen reader while the screens are timed: it listens to
the events a screen reader listens to, so that the program's accessibility
bridge sends them, and on every focus change it asks the focused object what
a screen reader asks (name, role, state, children, the selected child)."""
import pyatspi

EVENTS = [
    "focus:",
    "object:state-changed",
    "object:children-changed",
    "object:property-change",
    "object:active-descendant-changed",
    "object:selection-changed",
    "object:text-changed",
    "object:text-caret-moved",
    "object:value-changed",
    "window:activate",
]


def on_event(event):
    if event.type.startswith("object:state-changed:focused") and event.detail1:
        source = event.source
        try:
            source.name, source.getRoleName(), source.getState()
            count = source.childCount
            if count:
                source.getChildAtIndex(0)
            selection = source.querySelection()
            if selection.nSelectedChildren:
                selection.getSelectedChild(0).name
        except Exception:
            pass


pyatspi.Registry.registerEventListener(on_event, *EVENTS)
pyatspi.Registry.start()
