// The frame a window manager will put around a window not yet shown, asked
// for with the EWMH _NET_REQUEST_FRAME_EXTENTS message: a native window with
// the given flags and fixed client size is created unmapped, the request
// goes to the root window, and the answer (_NET_FRAME_EXTENTS) is awaited
// for at most 200 ms.
//
// Assumes the xcb platform; on any other one, without a window manager that
// lists the request in _NET_SUPPORTED, or without an answer in time, the
// frame is 0 on every side. Leaves out caching: the caller keeps the answer.
#pragma once

#include <Qt>

#include "platform/ui/backend.h"

FrameExtents ProbeFrame(Qt::WindowFlags flags, int clientWidth, int clientHeight);
