// SPDX-License-Identifier: GPL-3.0-or-later
// Never compiles, on purpose: it is built with the core library's settings,
// which have no Qt include path, and the test core_refuses_qt expects the
// compiler to refuse the Qt header. If it ever compiles, Qt has leaked into
// the core library.

#include <QObject>
