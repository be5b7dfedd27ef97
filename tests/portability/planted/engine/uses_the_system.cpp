// Never compiled: the portability check must find each of these lines.
#include <unistd.h>
#include <sys/stat.h>
#include <QString>
#include "windows/form_window.h"
static QSettings settings;
static long Pages() { return sysconf(_SC_PHYS_PAGES); }
