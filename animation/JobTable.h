#pragma once
// The engine's job table: parallel arrays indexed by job number 1 …
// maxAnimationJob, allocated once for the life of the program, and the list
// of jobs recorded and not yet started.
//
// The table refers to controls, animations and effects that others own. It
// holds weak references, so an entry whose object has been freed reads null
// and no job can reach freed memory.

#include <array>
#include <vector>

#include "ui/Component.h"
#include "ui/Types.h"

class TControl;
class TLabel;
class TRectangle;
class TFloatAnimation;
class TGlowEffect;

constexpr int maxAnimationJob = 4096;

// A list of numbers: job numbers or operands.
using TNbrArray = std::vector<double>;

// One column of the table. Index 0 exists but is never a job number; any
// index outside 0 … maxAnimationJob reads a default value and swallows
// writes, so not even a careless caller can write outside the table.
template <class T>
class TJobArray {
public:
    T& operator[](int z) {
        if (z >= 0 && z <= maxAnimationJob) return items_[static_cast<std::size_t>(z)];
        outside_ = T{};
        return outside_;
    }

private:
    std::array<T, maxAnimationJob + 1> items_{};
    T outside_{};
};

// Job-type codes: what the dispatcher does when a job falls due.
constexpr int Animation_JobType_isLabel = 101;
constexpr int Animation_JobType_isHideLabel = 102;
constexpr int Animation_JobType_isRectangle = 201;
constexpr int Animation_JobType_isHideRectangle = 202;
constexpr int Animation_JobType_isMoveX = 203;
constexpr int Animation_JobType_isMoveY = 204;
constexpr int Animation_JobType_isChangeLabelColor = 205;
constexpr int Animation_JobType_isChangeLabelSize = 206;
constexpr int Animation_JobType_isRotate = 207;
constexpr int Animation_JobType_isCreateGlowEffect = 208;
constexpr int Animation_JobType_isHideGlowEffect = 209;

// The engine's state lives at module level beside its one engine object,
// as the program was designed; the lesson and the builders share it.
extern int Animation_JobCounter;    // the last job number handed out since Reset
extern TNbrArray Animation_Job;     // pending job numbers, in recording order
extern int BoxSize;                 // the layout unit in pixels
constexpr int kBoxSizeAtLoad = 96;  // BoxSize before the lesson window first sets it

extern TJobArray<int> Animation_JobType;
extern TJobArray<double> Animation_JobStart;  // scaled seconds after Start
extern TJobArray<TWeak<TControl>> Animation_JobParent;
extern TJobArray<TWeak<TLabel>> Animation_Label;
extern TJobArray<TWeak<TRectangle>> Animation_Rectangle;
extern TJobArray<TWeak<TFloatAnimation>> Animation_FontSize;
extern TJobArray<TWeak<TFloatAnimation>> Animation_Opacity;
extern TJobArray<TWeak<TFloatAnimation>> Animation_MoveX;
extern TJobArray<TWeak<TFloatAnimation>> Animation_MoveY;
extern TJobArray<TWeak<TFloatAnimation>> Animation_Hide;
extern TJobArray<TAlphaColor> Animation_LabelColor;
extern TJobArray<TWeak<TFloatAnimation>> Animation_Rotate;
extern TJobArray<TWeak<TGlowEffect>> Animation_GlowEffect;
extern TJobArray<int> Animation_ReferenceNbr;

// The job number a pending-list entry holds. Entries are whole numbers, so
// the conversion is exact; anything that is not a job number (never written
// by the engine) reads as 0, a row that holds no job.
inline int JobNumberOf(double entry) {
    return entry >= 1 && entry <= maxAnimationJob ? static_cast<int>(entry) : 0;
}

// Whether `count` more jobs fit in the table before the next Reset. A
// builder that would pass the bound records nothing at all: a half-built
// formula would leave later calls reaching the wrong labels.
bool JobTableHasRoomFor(int count);

// Steps 1, 2 and 4 of recording a job: hands out the next number, appends
// it to the pending list and writes the type and the (already scaled) start.
// Returns the job number. The caller has checked the room first.
int RecordJob(int jobType, double scaledStart);
