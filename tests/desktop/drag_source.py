#!/usr/bin/python3
"""Another program's window offering TEXT to drag as an editor offers a selection: to copy or to
move, only to move while Shift is held. Prints where to grab it, then the action the drop
target chose, "copy", "move" or "none", once the drag has ended."""
import sys

import gi

gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Gdk, Gtk  # noqa: E402


def mapped(window, event):
    x, y = window.get_window().get_origin()[1:]
    box = source.get_allocation()
    print(x + box.x + box.width // 2, y + box.y + box.height // 2, flush=True)


def ended(widget, context):
    actions = {Gdk.DragAction.COPY: "copy", Gdk.DragAction.MOVE: "move"}
    print(actions.get(context.get_selected_action(), "none"), flush=True)
    Gtk.main_quit()


window, source = Gtk.Window(title="Ziehquelle"), Gtk.Button(label=sys.argv[1])
source.drag_source_set(Gdk.ModifierType.BUTTON1_MASK, [], Gdk.DragAction.COPY | Gdk.DragAction.MOVE)
source.drag_source_add_text_targets()
source.connect("drag-data-get", lambda widget, context, data, *_: data.set_text(sys.argv[1], -1))
source.connect("drag-end", ended)
window.connect("map-event", mapped)
window.add(source)
window.set_default_size(160, 60)
window.move(430, 680)  # over the lesson text at the bottom of the main window, away from FELD
window.show_all()
Gtk.main()
