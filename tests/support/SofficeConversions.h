#pragma once
// LibreOffice as the independent reader of RTF in the tests.
//
// A conversion is made once for the whole test run, whatever number of test processes ask
// for it: every input is keyed by its bytes and the target filter, and LibreOffice's output is
// kept under the build tree. Test processes run side by side; they take turns through a lock
// on that folder, so each conversion is made by the first process that needs it and the others
// read its result. All calls share one LibreOffice profile, made on the first call.

#include <string>
#include <vector>

namespace soffice {

// Whether LibreOffice's soffice can be run.
bool Available();

// Converts every file to the format of `filter` (as given to soffice --convert-to, e.g.
// "txt:Text (encoded):UTF8" or "fodt") and writes each result into outDir as
// <stem>.<extension>, the extension being the filter's first part. Returns false when a file
// could not be read or LibreOffice gave no result for it; the files it did convert are written.
bool Convert(const std::vector<std::string>& files, const std::string& filter,
             const std::string& outDir);

// The folder where results are kept between test processes.
std::string CacheFolder();

}  // namespace soffice
