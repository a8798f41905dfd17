#pragma once

// The calculations of Veltrane, free of any window. Data flows one way:
// text in a field -> number (number_text: "," decimal, "." grouping) ->
// arithmetic (work_unit_rate, date_span, buffin, on the Fixed type where
// the time of a work unit is kept) -> text out (writeNumber, DurationText,
// progressCaptionText, GroupThousands) -> back into a field or label.
// Beside it, for the command line: key-rate texts in every form people have
// them (rate_text) -> exact fractions of the key rate (exact_rate) on the
// real calendar (calendar_date) -> decimal text rounded once (exact_fraction).
#include "core/buffin.h"
#include "core/calendar_date.h"
#include "core/date_span.h"
#include "core/day_count.h"
#include "core/digit_grouping.h"
#include "core/duration_text.h"
#include "core/exact_fraction.h"
#include "core/exact_rate.h"
#include "core/fixed_point.h"
#include "core/group_thousands.h"
#include "core/number_text.h"
#include "core/progress_caption.h"
#include "core/rate_text.h"
#include "core/summary_text.h"
#include "core/version_text.h"
#include "core/window_summary.h"
#include "core/work_unit_rate.h"
