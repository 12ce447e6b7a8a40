#pragma once

#include <string>

#include "FoldVenBrowser/catalogue/RemoteItem.h"

class IListingSink;
class CRemoteLocation;

// Reads one listing line (tab-separated fields) into a catalogue entry.
CRemoteItem ParseListingLine(std::string line);

// Parses a listing reply body (envelope included): every line longer than 10 bytes goes to
// sink.AddReplyItem, then sink.PartitionView. A body without "S0\t" delivers nothing.
void ParseListing(const std::string& body, IListingSink& sink, const CRemoteLocation& location,
                  bool keepView);
