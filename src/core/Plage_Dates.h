// A span of dates shown or asked for: the graph's view, the table, the saved selection, the
// statistics, the report and caldrix-cli's --from / --to all decide here which records it holds.
#pragma once

struct Plage_Dates {
    double de = 0;  // day counts, both bounds included
    double a = 0;
    // Whether the record stamped `date` belongs to the span: its stamp to the nearest second,
    // as every list and figure shows it, lies between the bounds to the nearest second. A view
    // starting at 10:00:00.4 thus holds the record of 10:00:00 it shows.
    bool Contient(double date) const;
};
