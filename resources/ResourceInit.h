// Registers the compiled-in resource collection (images and catalogues).
#ifndef ARDENTIX_RESOURCES_RESOURCEINIT_H
#define ARDENTIX_RESOURCES_RESOURCEINIT_H

// Registers the collection with the resource system. The collection also
// registers itself when the program is loaded; a second registration is
// harmless.
void RegisterResources();

#endif
