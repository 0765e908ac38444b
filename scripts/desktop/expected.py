"""What the learner must be given, written down here from what the program promises: the test's
own copy, never read from the program."""

START_WINDOW_NAME = "10-Finger Fingalo"
START_TEXTS = {
    "Label4": "Herzlich willkommen beim 10-Finger Fingalo,\n"
    "dem Tipptrainer für alle zehn Finger – 2019 bis 2026",
    "Label1": "Fingalo begann 2019 als kleines Übungsprogramm für den Unterricht. Mit jeder "
    "Version ist es gewachsen, und es bleibt, was es von Anfang an war: kostenlos, ohne Werbung "
    "und ohne Anmeldung.",
    "Label5": "Warum zehn Finger? Wer blind schreibt, schaut auf den Text statt auf die Tasten, "
    "schreibt schneller und macht weniger Fehler. Eine Viertelstunde am Tag genügt: Nach wenigen "
    "Wochen finden die Finger ihre Tasten von allein.",
    "Label6": "Ein Programm vom Fingalo-Team aus Lüneburg  ·  fingalo.example.org",
    "Label2": "10-Finger Fingalo 3",
}
MAIN_TITLE = "10-Finger Fingalo 3  ·  2019 bis 2026  ·  vom Fingalo-Team"
INSTRUCTION = "Was hier im gelben Feld erscheint sind die Übungszeilen. Die muss man eintippen."
FELD_AT_START = " Lektion auswählen"
FELD_AT_END = " " * 40 + "- Lektion auswählen -"
LESSON_1 = [
    "ffff ffff ffff ffff ffff ffff ffff ffff ffff",
    "jjjj jjjj jjjj jjjj jjjj jjjj jjjj jjjj jjjj",
    "dddd kkkk dddd kkkk dddd kkkk dddd kkkk dddd",
    "fdf jkj fdf jkj fdf jkj fdf jkj fdf jkj fdf",
    "dfd kjk dfd kjk dfd kjk dfd kjk dfd kjk dfd",
    "fds jkl fds jkl fds jkl fds jkl fds jkl fds",
    "fsf jlj fsf jlj fsf jlj fsf jlj fsf jlj fsf",
    "fdsa jklö fdsa jklö fdsa jklö fdsa jklö fdsa",
    "asdf ölkj asdf ölkj asdf ölkj asdf ölkj asdf",
    "fad fad las las fad fad las las fad fad las fad",
    "las las als als las las als als las las las",
    "all all das das all all das das all all dass dass",
    "lös all das lös all das lös all das lös all das",
    "das all das all lös all lös all das lös das all",
    "das all ölla allö sad las alla dalla öl das all",
]
TOO_LONG = "TEXT ZU LANG"
LESSON_14_LINE_1 = "eé eé eé eé a1 a1 a1 eé dé fé gé lé té"


def position(lesson, line):
    return f"Lektion {lesson}, Zeile {line} von 15"


def progress_title(lesson, done):
    # The count is written sign-padded: a blank before it, so two blanks follow the colon.
    return f"Lektion: {lesson}- Fehlerfrei:  {done} von 15 Reihen."


def wrong_character_message(expected, typed):
    return (
        f"Es sollte das Zeichen {{{expected}}} eingegeben werden.\n"
        f"Sie haben das Zeichen {{{typed}}} eingegeben.\n"
        "\n"
        "Bitte geben Sie das richtige Zeichen ein. Nehmen Sie den richtigen Finger und ...\n"
        "... vorher mit dem rechten kleinen Finger die Eingabetaste betätigen um dieses OK zu "
        "bestätigen."
    )


MESSAGE_TITLE = "10-Finger Fingalo"
ERRORS_AT_START = "Fehler 0"
ERRORS_AFTER_ONE = "F.:  1"
LESSON_ENDED = "Lektion beendet"
LESSON_END_NOTICE = progress_title(1, 15) + " Lektion beendet. Bitte eine neue Lektion wählen."
BACKSPACE_KEY = "Rücktaste"
BACKSPACE_TITLE = "RÜCKTASTE"
BACKSPACE_TEXT = "Mit der Rücktaste kann man eine (oder auch mehrere) Fehleingabe löschen."
HELP_TITLE = "10-Finger Fingalo – Hilfe"
HELP_PAGE = "Kurzanleitung"

# Menu items, reached by keyboard: Alt alone opens the menu bar at "Programm", the arrow keys move.
MENU_LESSON_1 = ["Lektionen", "1-10", "Lek. 01"]
MENU_LESSON_14 = ["Lektionen", "11-20", "Lek. 14"]
MENU_SHORT_HELP = ["Hilfe", "Kurzanleitung"]
MENU_QUIT = ["Programm", "Beenden"]
