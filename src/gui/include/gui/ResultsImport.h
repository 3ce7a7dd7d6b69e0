#pragma once

#include <QStringList>

#include "model/Messages.h"

class QWidget;

namespace natarix {

class ResultStore;

// Reads result lists into the results database, each file in a transaction
// of its own, with a progress dialog once there are several; Cancel stops
// after the file being read. The report names per file what it brought, or
// why it was not read, and the readers' notes, in one message.
Message ImportResultLists(ResultStore& store, const QStringList& files, QWidget* parent);

}  // namespace natarix
