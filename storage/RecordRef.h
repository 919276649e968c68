#pragma once

// A record of a library told apart from equal ones, so that it can be found again after the
// library was reloaded from a file that another process changed: a preset by its index, a user
// record by its content and its place among the user records equal to it.
template <class Record> struct RecordRef
{
    int presetIndex = -1; // 0..presetCount-1 for a preset, else -1
    Record record;        // the user record
    int among = -1;       // how many equal user records come before it; -1: no record at all
};
