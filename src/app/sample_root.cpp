#include "app/sample_root.hpp"

#include "app/sample/campaign.hpp"
#include "app/sample/data_sets.hpp"
#include "app/sample/scenario.hpp"
#include "app/sample/translation.hpp"
#include "sample/item_sheet.hpp"
#include "sample/template_art.hpp"

namespace kestrel::app {

bool writeSampleRoot(const core::DataRoot& root) {
    // Pictures first: New copies the templates into every entry it makes.
    return sample::writeTemplatePictures(root) && sample::writeItemSheet(root) && writeSampleDataSets(root) &&
           writeSampleScenario(root) && writeSampleCampaign(root) && writeSampleTranslation(root);
}

}  // namespace kestrel::app
