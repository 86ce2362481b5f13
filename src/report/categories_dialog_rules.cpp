#include "categories_dialog_rules.h"

namespace CategoriesDialog {

int InitialRow(int vehicleCategory) {
    return vehicleCategory == 0 || vehicleCategory == 2 ? 0 : 1;
}

int CategoryForRow(int selectedRow) {
    return selectedRow == 0 || selectedRow == 3 ? 0 : 1;
}

} // namespace CategoriesDialog
