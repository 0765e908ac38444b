#include "main_window/AnsageZugang.h"

#include "main_window/Ansage.h"

AnsageZugang::AnsageZugang(Ansage *ansage) : QAccessibleWidget(ansage, QAccessible::Notification) {}
