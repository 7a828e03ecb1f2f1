#include "link/safe_write.h"

#include "link/protocol.h"

namespace selkan {

bool SafeWriteResult::BrokeOff() const {
  if (step != WriteStep::kWrite) return false;
  return outcome == TransferOutcome::kProgramInterrupt ||
         (outcome == TransferOutcome::kCancelled && blocksWritten > 0);
}

SafeWriteResult RunSafeWrite(TransferEngine& engine, const SafeWriteRequest& request,
                             const SafeWriteHooks& hooks, Language language) {
  SafeWriteResult result;
  auto begin = [&](WriteStep step) {
    result.step = step;
    if (hooks.stepStarted) hooks.stepStarted(step);
  };

  if (request.backup) {
    begin(WriteStep::kBackup);
    RadioImage radio = BlankImage();
    result.outcome = engine.Read(request.port, radio, hooks.transfer);
    if (result.outcome != TransferOutcome::kCompleted) return result;
    result.backup = radio;
    std::optional<std::string> path;
    if (hooks.keep) {
      path = hooks.keep(radio, protocol::IdentificationText(engine.Identification()),
                        &result.backupError);
    } else {
      result.backupError = "no place to keep it";
    }
    if (!path) {
      result.outcome = TransferOutcome::kBackupNotSaved;
      return result;
    }
    result.backupPath = *path;
  }

  begin(WriteStep::kWrite);
  result.outcome = engine.Write(request.port, request.image, hooks.transfer);
  result.blocksWritten = engine.BlocksDone();
  if (result.outcome != TransferOutcome::kCompleted || !request.verify) return result;

  begin(WriteStep::kVerify);
  RadioImage readBack = request.image;
  result.outcome = engine.Read(request.port, readBack, hooks.transfer);
  if (result.outcome != TransferOutcome::kCompleted) return result;
  result.mismatches = CompareImages(request.image, readBack, language, offset::kWriteLimit);
  if (!result.mismatches.empty()) {
    result.outcome = TransferOutcome::kVerifyMismatch;
    result.readBack = readBack;
  }
  return result;
}

}  // namespace selkan
