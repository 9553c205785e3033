#include "tools/cli/file_job.h"

#include "platform/os/names.h"
#include "tools/cli/backup.h"
#include "tools/cli/messages.h"
#include "tools/cli/text.h"

namespace cli {
namespace {

// The stamp a file is shown with: its last-write time, or zero when that
// could not be read (as a window that never read a time shows it).
SYSTEMTIME StampOf(const LoadedPic2& file) { return file.fileStamp.value_or(SYSTEMTIME{}); }

bool NeedsShown(const std::vector<Edit>& edits) {
  for (const Edit& e : edits)
    if (!e.preset) return true;
  return false;
}

}  // namespace

FileResult Failure(const std::string& path, const std::string& reason) {
  FileResult r;
  r.outcome = Outcome::Failed;
  r.err = PlainText(PathText(path)) + ": " + reason + "\n";
  return r;
}

FileResult ShowFile(const std::string& path, Format format) {
  const LoadResult loaded = LoadPic2File(path);
  if (loaded.error != LoadError::None) return Failure(path, Reason(loaded.error));
  HeaderTexts texts;
  DecodeHeaderTexts(loaded.file.header, StampOf(loaded.file), texts);
  Shown shown;
  ShowValues(loaded.file.header, texts, shown);
  FileResult r;
  r.outcome = Outcome::Shown;
  AppendShown(format, PathText(path), shown, r.out);
  return r;
}

FileResult SetFile(const std::string& path, const std::vector<Edit>& edits, const SetContext& c) {
  // F and f take the stems of the name as the window would hold it; a name
  // code page 932 cannot hold exactly would stand for another file there.
  std::string fileName;
  if (NeedsFileName(edits)) {
    std::optional<std::string> name = WindowFileName(path.substr(path.rfind('/') + 1));
    if (!name) return Failure(path, Tr("the name has no code page 932 form"));
    fileName = *std::move(name);
  }
  const LoadResult loaded = LoadPic2File(path);
  if (loaded.error != LoadError::None) return Failure(path, Reason(loaded.error));
  const LoadedPic2& file = loaded.file;

  HeaderTexts before;
  DecodeHeaderTexts(file.header, StampOf(file), before);
  Shown shownBefore;
  if (NeedsShown(edits) || c.dryRun) ShowValues(file.header, before, shownBefore);
  HeaderTexts texts = before;
  ApplyEdits(edits, before, shownBefore, c.defaults, fileName, texts);

  Pic2Header header = file.header;
  SYSTEMTIME stamp = StampOf(file);
  EncodeHeaderTexts(texts, header, stamp, c.tz);
  const bool change = WriteWouldChange(file, header, stamp, c.after);

  FileResult r;
  r.outcome = change ? Outcome::Changed : Outcome::Unchanged;
  if (c.dryRun) {
    HeaderTexts afterTexts;
    DecodeHeaderTexts(header, c.after == FileTimeAfterWrite::Kept ? StampOf(file) : stamp,
                      afterTexts);
    Shown shownAfter;
    ShowValues(header, afterTexts, shownAfter);
    AppendChanges(PathText(path), shownBefore, shownAfter, r.out);
    return r;
  }
  if (!change) return r;
  if (c.backup)
    if (std::optional<std::string> refused = MakeBackup(path, file.identity))
      return Failure(path, *refused);
  const WriteError error = WritePic2File(path, file.identity, header, stamp, c.after);
  if (error != WriteError::None) return Failure(path, Reason(error));
  return r;
}

}  // namespace cli
