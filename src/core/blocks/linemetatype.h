#pragma once

/// Registers Line and QList<Line> for queued signals; safe to call any number of times.
void registerLineMetaTypes();
