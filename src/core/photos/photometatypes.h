#pragma once

/**
 * Registers the photo types that cross threads in queued signals under the names the
 * signals use: "Adj", "QList<Adj>", "QList<QDateTime>", "QList<CaptureTime>" and the
 * filter kinds.
 */
class PhotoMetaTypes
{
public:
    /// Safe to call any number of times from any thread.
    static void registerAll();
};
