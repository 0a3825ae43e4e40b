#include "tolvane/files/DataFileCheck.h"

#include <algorithm>

namespace tolvane {

DataFileCheck CheckDataFile(KeyboardImage& image, const std::filesystem::path& path) {
    DataFileCheck check;
    DataFileLoadHooks hooks;
    hooks.onProblem = [&check](const DataFileProblem& problem) {
        check.problems.push_back(problem);
    };
    check.result = LoadDataFile(image, path, hooks);
    return check;
}

std::string DataFileProblemSummary(const std::vector<DataFileProblem>& problems,
                                   InterfaceLanguage language) {
    std::string summary;
    const std::size_t listed = std::min(problems.size(), kDataFileProblemsListed);
    for (std::size_t i = 0; i < listed; ++i) {
        const DataFileProblem& problem = problems[i];
        summary += (i == 0 ? "" : "\n") + FillIn(Text(TextId::kDataFileProblemLine, language),
                                                 {std::to_string(problem.line), problem.detail});
    }
    if (problems.size() > listed) {
        summary += "\n" + FillIn(Text(TextId::kDataFileMoreProblems, language),
                                 {std::to_string(problems.size() - listed)});
    }
    return summary;
}

}  // namespace tolvane
