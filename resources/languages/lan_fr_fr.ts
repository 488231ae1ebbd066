<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Orvanta %1, release on %2</source>
        <translation>Orvanta %1, publié le %2</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</translation>
    </message>
    <message>
        <source>English translation by the Orvanta team.</source>
        <translation>Traduction française : équipe Orvanta.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot;&gt;&lt;img src=&quot;:/images/tavrin.png&quot; width=&quot;131&quot; height=&quot;40&quot;/&gt;&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot;&gt;&lt;img src=&quot;:/images/tavrin.png&quot; width=&quot;131&quot; height=&quot;40&quot;/&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Copyright © 2021 Tavrin Optics. Free software under the &lt;a href=&quot;licence&quot;&gt;GNU General Public License, version 3 or later&lt;/a&gt; (GPL-3.0-or-later).</source>
        <translation>Copyright © 2021 Tavrin Optics. Logiciel libre sous la &lt;a href=&quot;licence&quot;&gt;GNU General Public License, version 3 ou ultérieure&lt;/a&gt; (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licence</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Réfraction astronomique</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>P(kPa)</source>
        <translation>P(kPa)</translation>
    </message>
    <message>
        <source>P(hPa)</source>
        <translation>P(hPa)</translation>
    </message>
    <message>
        <source>T(℃)</source>
        <translation>T(℃)</translation>
    </message>
    <message>
        <source>Enable Astronomical Refraction Correction</source>
        <translation>Activer la correction de réfraction</translation>
    </message>
    <message>
        <source>Use the yearly star table instead of the sky of now</source>
        <translation>Utiliser la table annuelle des étoiles au lieu du ciel actuel</translation>
    </message>
    <message>
        <source>Latitude and longitude are your observing site (longitude east positive, west negative). With the clock they give the stars&apos; places of now, where the zenith is for the altitude and azimuth figures, and how much the air lifts the stars.</source>
        <translation>La latitude et la longitude sont votre lieu d&apos;observation (longitude est positive, ouest négative). Avec l&apos;horloge, elles donnent la position actuelle des étoiles, la direction du zénith pour les valeurs d&apos;altitude et d&apos;azimut, et de combien l&apos;air soulève les étoiles.</translation>
    </message>
</context>
<context>
    <name>CameraServerDialog</name>
    <message>
        <source>Camera Server</source>
        <translation>Serveur de caméra</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Serveur INDI</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Lens focal length</source>
        <translation>Focale de l&apos;objectif</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>non définie</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>the first one found</source>
        <translation>la première trouvée</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>The computer running indiserver with the camera&apos;s driver; leave empty to use only the simulated camera.</source>
        <translation>L&apos;ordinateur qui exécute indiserver avec le pilote de la caméra ; laisser vide pour n&apos;utiliser que la caméra simulée.</translation>
    </message>
    <message>
        <source>Camera Server...</source>
        <translation>Serveur de caméra...</translation>
    </message>
    <message>
        <source>The focal length of the camera&apos;s lens is not set, so the stars cannot be brought to the scale of the star template. Set it under Device, Camera Server, then connect again.</source>
        <translation>La focale de l&apos;objectif de la caméra n&apos;est pas définie : les étoiles ne peuvent donc pas être mises à l&apos;échelle du modèle d&apos;étoiles. Définissez-la sous Appareil, Serveur de caméra, puis connectez-vous à nouveau.</translation>
    </message>
    <message>
        <source>With a %1 mm lens this camera sees only %2 x %3 degrees of sky; the pole star and its reference star need at least %4 degrees on the short side. Use a lens of %5 mm or shorter.</source>
        <translation>Avec un objectif de %1 mm, cette caméra ne voit que %2 x %3 degrés de ciel ; l&apos;étoile polaire et son étoile de référence demandent au moins %4 degrés sur le petit côté. Utilisez un objectif de %5 mm ou moins.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>Interrogation de %1...</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers, but has no camera. Start indiserver with the camera&apos;s driver.</source>
        <translation>Le serveur INDI à %1 répond, mais n&apos;a aucune caméra. Lancez indiserver avec le pilote de la caméra.</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers. Cameras: %2.</source>
        <translation>Le serveur INDI à %1 répond. Caméras : %2.</translation>
    </message>
    <message>
        <source>No INDI server answers at %1. Start indiserver there, or check the server and port.</source>
        <translation>Aucun serveur INDI ne répond à %1. Lancez-y indiserver, ou vérifiez le serveur et le port.</translation>
    </message>
    <message>
        <source>No server set: only the simulated camera is used.</source>
        <translation>Aucun serveur défini : seule la caméra simulée est utilisée.</translation>
    </message>
    <message>
        <source>This camera library cannot use INDI cameras: only the simulated camera is used.</source>
        <translation>Cette bibliothèque de caméra ne peut pas utiliser de caméras INDI : seule la caméra simulée est utilisée.</translation>
    </message>
    <message>
        <source>Set the lens&apos;s focal length before you connect.</source>
        <translation>Définissez la focale de l&apos;objectif avant de vous connecter.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Orvanta</source>
        <translation>Orvanta</translation>
    </message>
    <message>
        <source>Region Selection</source>
        <translation>Hémisphère</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>Orvanta Settings</source>
        <translation>Réglages Orvanta</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>Pose(ms)</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>Trafic</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Confirm Polaris/σ Oct</source>
        <translation>Confirmer Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>Ajustement du modèle</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Rough Pole</source>
        <translation>Pôle approximatif</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>Centre de l&apos;axe</translation>
    </message>
    <message>
        <source>Choose the same star every time</source>
        <translation>Choisissez toujours la même étoile</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>Pos. étoile 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>Pos. étoile 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>Pos. étoile 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>Axe :</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>Polaris/σ Oct actuelle</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>Polaris/σ Oct attendue</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>Pôle précis</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>Pôle :</translation>
    </message>
    <message>
        <source>roiBigger_image</source>
        <translation>roiBigger_image</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>Surveiller le pôle</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>Étoile de référence A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position :</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>Étoile de référence B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>Surveiller</translation>
    </message>
    <message>
        <source>template_image</source>
        <translation>template_image</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>Afficher le modèle</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>Style monochrome</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étirement</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Réfraction astronomique</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>Suivi manuel</translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation>Anti-blocage</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>русский</source>
        <translation>русский</translation>
    </message>
    <message>
        <source>français</source>
        <translation>français</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>português</source>
        <translation>português</translation>
    </message>
    <message>
        <source>italiano</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>한국어</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Orvanta Manual</source>
        <translation>Manuel d&apos;Orvanta</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Can not save the image to %1!</source>
        <translation>Impossible d&apos;enregistrer l&apos;image dans %1 !</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No TAVRIN Orvanta camera found.</source>
        <translation>Aucun appareil TAVRIN Orvanta trouvé !</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: OpenTAVRIN failed.</source>
        <translation>Impossible de connecter Orvanta : erreur OpenTAVRIN !</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: InitTAVRIN failed.</source>
        <translation>Impossible de connecter Orvanta : erreur InitTAVRIN !</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Orvanta - ID:%1</source>
        <translation>Orvanta - ID:%1</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>Il semble n&apos;y avoir aucune étoile à cet endroit, essayez un autre point.</translation>
    </message>
    <message>
        <source>Cannot find the axis center. Please click &apos;Reset&apos; to find it again.</source>
        <translation>Impossible de déterminer le centre de l&apos;axe, cliquez sur « Refaire » pour le rechercher à nouveau.</translation>
    </message>
    <message>
        <source>reference stars lost</source>
        <translation>étoiles de référence perdues</translation>
    </message>
    <message>
        <source>Measuring the star...</source>
        <translation>Mesure de l&apos;étoile...</translation>
    </message>
    <message>
        <source>This is where the star was at the last pick. Turn the RA axis by at least about 20 degrees between picks, then double click the star again.</source>
        <translation>L&apos;étoile était déjà ici lors de la sélection précédente. Tournez l&apos;axe AD d&apos;au moins 20 degrés environ entre les sélections, puis double-cliquez à nouveau sur l&apos;étoile.</translation>
    </message>
    <message>
        <source>The picks are too close together to find the axis centre. Click &apos;Reset&apos; and turn the RA axis by at least about 20 degrees between picks.</source>
        <translation>Les sélections sont trop proches pour trouver le centre de l&apos;axe. Cliquez sur &apos;Refaire&apos; et tournez l&apos;axe AD d&apos;au moins 20 degrés environ entre les sélections.</translation>
    </message>
    <message>
        <source>These picks do not lie on a circle around the RA axis. Click &apos;Reset&apos; and double click the same star each time.</source>
        <translation>Ces sélections ne sont pas sur un cercle autour de l&apos;axe AD. Cliquez sur &apos;Refaire&apos; et double-cliquez chaque fois sur la même étoile.</translation>
    </message>
    <message>
        <source>The picks span %1 degrees of RA; the centre is good to %2 px (%3&quot;).</source>
        <translation>Les sélections couvrent %1 degrés d&apos;AD ; le centre est précis à %2 px (%3&quot;).</translation>
    </message>
    <message>
        <source>That is too uncertain: click &apos;Reset&apos; and turn the RA axis further between picks.</source>
        <translation>C&apos;est trop incertain : cliquez sur &apos;Refaire&apos; et tournez davantage l&apos;axe AD entre les sélections.</translation>
    </message>
    <message>
        <source>A reference star would stand too near the edge of the image to be followed: the axis centre is too near the edge. Turn the camera on the mount so that the axis centre lies nearer the middle of the image, then find it again.</source>
        <translation>Une étoile de référence serait trop près du bord de l&apos;image pour être suivie : le centre de l&apos;axe est trop près du bord. Tournez la caméra sur la monture pour que le centre de l&apos;axe soit plus près du milieu de l&apos;image, puis retrouvez-le.</translation>
    </message>
    <message>
        <source>Recorded: %1 on %2.</source>
        <translation>Enregistré : %1 le %2.</translation>
    </message>
    <message>
        <source>Recorded: %1.</source>
        <translation>Enregistré : %1.</translation>
    </message>
    <message>
        <source>The reference stars were not found where the template puts them. Double click the pole star and match the template again.</source>
        <translation>Les étoiles de référence n&apos;ont pas été trouvées là où le modèle les place. Double-cliquez sur l&apos;étoile polaire et ajustez à nouveau le modèle.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Would you like to use the axis center saved the last time you used Orvanta?</source>
        <translation>Voulez-vous utiliser la position du centre de l&apos;axe enregistrée lors de votre dernière utilisation d&apos;Orvanta ?</translation>
    </message>
    <message>
        <source>Is the setup finished?</source>
        <translation>Configuration terminée ?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Does the template match?</source>
        <translation>Le modèle coïncide-t-il ?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Rotate your mount&apos;s RA axis in the direction of the arrow at the top of the image, by at least 30 degrees.</source>
        <translation>Tournez l&apos;axe AD de votre monture dans le sens indiqué par la flèche en haut de l&apos;écran (au moins 30 degrés).</translation>
    </message>
    <message>
        <source>Is the rotation finished?</source>
        <translation>Rotation terminée ?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous step again (step 2 of 3).</source>
        <translation>Double-cliquez à nouveau sur l&apos;étoile choisie à l&apos;étape précédente (étape 2 sur 3).</translation>
    </message>
    <message>
        <source>Again, rotate your mount&apos;s RA axis in the same direction by at least 30 degrees.</source>
        <translation>Tournez à nouveau l&apos;axe AD de votre monture dans le même sens, d&apos;au moins 30 degrés.</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous two steps one last time (step 3 of 3).</source>
        <translation>Double-cliquez une dernière fois sur l&apos;étoile choisie aux 2 étapes précédentes (étape 3 sur 3).</translation>
    </message>
    <message>
        <source>Turn the RA axis back to its home position and make sure the chosen star stays on the circle while the mount turns.</source>
        <translation>Ramenez l&apos;axe AD en position initiale (Home) : vérifiez que l&apos;étoile choisie reste sur le cercle pendant que la monture tourne vers la position de parcage (PARK).</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>Le centre de l&apos;axe est-il correct ?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correct</translation>
    </message>
    <message>
        <source>Is the adjustment finished?</source>
        <translation>Ajustement terminé ?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>Cliquez sur le bouton « Surveiller ».</translation>
    </message>
    <message>
        <source>Use only the altitude and azimuth bolts to move the pole rectangle onto the axis circle.</source>
        <translation>Utilisez uniquement les vis d&apos;altitude et d&apos;azimut pour placer le rectangle du pôle sur le cercle de l&apos;axe.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around Polaris are visible.</source>
        <translation>Réglez les paramètres à gauche pour rendre visibles davantage d&apos;étoiles autour de Polaris.</translation>
    </message>
    <message>
        <source>Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Double-cliquez sur Polaris et utilisez le curseur « Rotation » à gauche (ou les touches fléchées) pour faire tourner le modèle jusqu&apos;à ce qu&apos;il coïncide avec les étoiles autour de Polaris.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>Choisissez une étoile autre que Polaris et double-cliquez dessus dans l&apos;image. Retenez cette étoile : vous la sélectionnerez à nouveau aux étapes suivantes (étape 1 sur 3).</translation>
    </message>
    <message>
        <source>Expected position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Position attendue : Double-cliquez sur Polaris et utilisez le curseur « Rotation » à gauche (ou les touches fléchées) pour faire tourner le modèle jusqu&apos;à ce qu&apos;il coïncide avec les étoiles autour de Polaris.</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move Polaris into the center of the small turning circle on the image.</source>
        <translation>À l&apos;aide des vis d&apos;altitude et d&apos;azimut, amenez Polaris au centre du petit cercle tournant affiché sur l&apos;image.</translation>
    </message>
    <message>
        <source>Current position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Position actuelle : Double-cliquez sur Polaris et utilisez le curseur « Rotation » à gauche (ou les touches fléchées) pour faire tourner le modèle jusqu&apos;à ce qu&apos;il coïncide avec les étoiles autour de Polaris.</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around σ Oct are visible.</source>
        <translation>Réglez les paramètres à gauche pour rendre visibles davantage d&apos;étoiles autour de σ Oct.</translation>
    </message>
    <message>
        <source>Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct. To find it: the long axis of the Southern Cross, extended four and a half times, ends near the pole (chart in the manual).</source>
        <translation>Double-cliquez sur σ Oct et utilisez le curseur « Rotation » à gauche (ou les touches fléchées) pour faire tourner le modèle jusqu&apos;à ce qu&apos;il coïncide avec les étoiles autour de σ Oct. Pour la trouver : le grand axe de la Croix du Sud, prolongé quatre fois et demie, aboutit près du pôle (carte dans le manuel).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>Choisissez une étoile autre que σ Oct et double-cliquez dessus dans l&apos;image. Retenez cette étoile : vous la sélectionnerez à nouveau aux étapes suivantes (étape 1 sur 3).</translation>
    </message>
    <message>
        <source>Expected position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>Position attendue : Double-cliquez sur σ Oct et utilisez le curseur « Rotation » à gauche (ou les touches fléchées) pour faire tourner le modèle jusqu&apos;à ce qu&apos;il coïncide avec les étoiles autour de σ Oct.</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move σ Oct into the center of the small turning circle on the image.</source>
        <translation>À l&apos;aide des vis d&apos;altitude et d&apos;azimut, amenez σ Oct au centre du petit cercle tournant affiché sur l&apos;image.</translation>
    </message>
    <message>
        <source>Current position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>Position actuelle : Double-cliquez sur σ Oct et utilisez le curseur « Rotation » à gauche (ou les touches fléchées) pour faire tourner le modèle jusqu&apos;à ce qu&apos;il coïncide avec les étoiles autour de σ Oct.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>Mode nuit</translation>
    </message>
    <message>
        <source>The manual is not installed with Orvanta.</source>
        <translation>Le manuel n&apos;est pas installé avec Orvanta.</translation>
    </message>
    <message>
        <source>The picture as shown</source>
        <translation>L&apos;image telle qu&apos;affichée</translation>
    </message>
    <message>
        <source>The camera frame with marks</source>
        <translation>L&apos;image de la caméra avec les repères</translation>
    </message>
    <message>
        <source>The camera frame without marks</source>
        <translation>L&apos;image de la caméra sans les repères</translation>
    </message>
    <message>
        <source>The camera cannot be used: %1.
Orvanta runs on without a camera.</source>
        <translation>La caméra ne peut pas être utilisée : %1.
Orvanta continue sans caméra.</translation>
    </message>
    <message>
        <source>Waiting for the camera...</source>
        <translation>En attente de la caméra...</translation>
    </message>
    <message>
        <source>The camera does not answer and stays busy; try Disconnect again later.</source>
        <translation>La caméra ne répond pas et reste occupée ; réessayez Déconnecter plus tard.</translation>
    </message>
    <message>
        <source>Target: true pole</source>
        <translation>Cible : pôle vrai</translation>
    </message>
    <message>
        <source>Target: refracted pole</source>
        <translation>Cible : pôle réfracté</translation>
    </message>
    <message>
        <source>Polar error: reference stars not measured</source>
        <translation>Erreur polaire : étoiles de référence non mesurées</translation>
    </message>
    <message>
        <source>lower the polar axis</source>
        <translation>abaisser l&apos;axe polaire</translation>
    </message>
    <message>
        <source>raise the polar axis</source>
        <translation>lever l&apos;axe polaire</translation>
    </message>
    <message>
        <source>turn left (east)</source>
        <translation>tourner à gauche (est)</translation>
    </message>
    <message>
        <source>turn left (west)</source>
        <translation>tourner à gauche (ouest)</translation>
    </message>
    <message>
        <source>turn right (west)</source>
        <translation>tourner à droite (ouest)</translation>
    </message>
    <message>
        <source>turn right (east)</source>
        <translation>tourner à droite (est)</translation>
    </message>
    <message>
        <source>Polar error: %1&apos;</source>
        <translation>Erreur polaire : %1&apos;</translation>
    </message>
    <message>
        <source>Altitude: %1&apos; %2</source>
        <translation>Altitude : %1&apos; %2</translation>
    </message>
    <message>
        <source>Azimuth: %1&apos; %2</source>
        <translation>Azimut : %1&apos; %2</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>Suivi du pôle</translation>
    </message>
    <message>
        <source>If the pole was lost after a GOTO slew, turn the dial by the slew&apos;s RA angle to find it again.</source>
        <translation>Si le pôle a été perdu après un pointage GOTO, tournez le bouton de l&apos;angle en AD du pointage pour le retrouver.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>Angle :</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>RAZ</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
