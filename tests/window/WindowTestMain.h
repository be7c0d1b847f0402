// SPDX-License-Identifier: MIT
#pragma once

// How many exceptions have got out of the window's handlers into the event loop.
int EscapedExceptions();
