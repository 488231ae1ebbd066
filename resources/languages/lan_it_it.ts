<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Orvanta %1, release on %2</source>
        <translation>Orvanta %1, rilasciato il %2</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.tavrin.example/&quot; style=&quot;color:#a9a9a9; text-decoration:none;&quot;&gt;www.tavrin.example&lt;/a&gt;</translation>
    </message>
    <message>
        <source>English translation by the Orvanta team.</source>
        <translation>Traduzione italiana: team di Orvanta.</translation>
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
        <translation>Copyright © 2021 Tavrin Optics. Software libero sotto la &lt;a href=&quot;licence&quot;&gt;GNU General Public License, versione 3 o successiva&lt;/a&gt; (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>Licence</source>
        <translation>Licenza</translation>
    </message>
</context>
<context>
    <name>AstroRefractionDialog</name>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Rifrazione astronomica</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
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
        <translation>Attiva correzione della rifrazione</translation>
    </message>
    <message>
        <source>Use the yearly star table instead of the sky of now</source>
        <translation>Usa la tabella annuale delle stelle invece del cielo attuale</translation>
    </message>
    <message>
        <source>Latitude and longitude are your observing site (longitude east positive, west negative). With the clock they give the stars&apos; places of now, where the zenith is for the altitude and azimuth figures, and how much the air lifts the stars.</source>
        <translation>Latitudine e longitudine sono il luogo di osservazione (longitudine est positiva, ovest negativa). Con l&apos;orologio danno le posizioni attuali delle stelle, dove si trova lo zenit per i valori di altezza e azimut e quanto l&apos;aria solleva le stelle.</translation>
    </message>
</context>
<context>
    <name>CameraServerDialog</name>
    <message>
        <source>Camera Server</source>
        <translation>Server della camera</translation>
    </message>
    <message>
        <source>INDI server</source>
        <translation>Server INDI</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Lens focal length</source>
        <translation>Focale dell&apos;obiettivo</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>non impostata</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>the first one found</source>
        <translation>la prima trovata</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>The computer running indiserver with the camera&apos;s driver; leave empty to use only the simulated camera.</source>
        <translation>Il computer che esegue indiserver con il driver della camera; lascia vuoto per usare solo la camera simulata.</translation>
    </message>
    <message>
        <source>Camera Server...</source>
        <translation>Server della camera...</translation>
    </message>
    <message>
        <source>The focal length of the camera&apos;s lens is not set, so the stars cannot be brought to the scale of the star template. Set it under Device, Camera Server, then connect again.</source>
        <translation>La focale dell&apos;obiettivo della camera non è impostata, quindi le stelle non possono essere portate alla scala del modello di stelle. Impostala in Dispositivo, Server della camera, poi connetti di nuovo.</translation>
    </message>
    <message>
        <source>With a %1 mm lens this camera sees only %2 x %3 degrees of sky; the pole star and its reference star need at least %4 degrees on the short side. Use a lens of %5 mm or shorter.</source>
        <translation>Con un obiettivo da %1 mm questa camera vede solo %2 x %3 gradi di cielo; la stella polare e la sua stella di riferimento richiedono almeno %4 gradi sul lato corto. Usa un obiettivo da %5 mm o più corto.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>Interrogo %1...</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers, but has no camera. Start indiserver with the camera&apos;s driver.</source>
        <translation>Il server INDI su %1 risponde, ma non ha nessuna camera. Avvia indiserver con il driver della camera.</translation>
    </message>
    <message>
        <source>The INDI server at %1 answers. Cameras: %2.</source>
        <translation>Il server INDI su %1 risponde. Camere: %2.</translation>
    </message>
    <message>
        <source>No INDI server answers at %1. Start indiserver there, or check the server and port.</source>
        <translation>Nessun server INDI risponde su %1. Avvia lì indiserver, oppure controlla server e porta.</translation>
    </message>
    <message>
        <source>No server set: only the simulated camera is used.</source>
        <translation>Nessun server impostato: viene usata solo la camera simulata.</translation>
    </message>
    <message>
        <source>This camera library cannot use INDI cameras: only the simulated camera is used.</source>
        <translation>Questa libreria della camera non può usare camere INDI: viene usata solo la camera simulata.</translation>
    </message>
    <message>
        <source>Set the lens&apos;s focal length before you connect.</source>
        <translation>Imposta la focale dell&apos;obiettivo prima di connetterti.</translation>
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
        <translation>Emisfero</translation>
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
        <translation>Impostazioni Orvanta</translation>
    </message>
    <message>
        <source>Exp(ms)</source>
        <translation>Esp.(ms)</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Guadagno</translation>
    </message>
    <message>
        <source>Traffic</source>
        <translation>Traffico</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Confirm Polaris/σ Oct</source>
        <translation>Conferma Polaris/σ Oct</translation>
    </message>
    <message>
        <source>Matching Template</source>
        <translation>Allineamento modello</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
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
        <translation>Polo approssimativo</translation>
    </message>
    <message>
        <source>Axis Center</source>
        <translation>Centro dell&apos;asse</translation>
    </message>
    <message>
        <source>Choose the same star every time</source>
        <translation>Scegli sempre la stessa stella</translation>
    </message>
    <message>
        <source>Star Pos 1</source>
        <translation>Pos. stella 1</translation>
    </message>
    <message>
        <source>Star Pos 2</source>
        <translation>Pos. stella 2</translation>
    </message>
    <message>
        <source>Star Pos 3</source>
        <translation>Pos. stella 3</translation>
    </message>
    <message>
        <source>Axis:</source>
        <translation>Asse:</translation>
    </message>
    <message>
        <source>(0,0)</source>
        <translation>(0,0)</translation>
    </message>
    <message>
        <source>Current Polaris/σ Oct</source>
        <translation>Polaris/σ Oct attuale</translation>
    </message>
    <message>
        <source>Expected Polaris/σ Oct</source>
        <translation>Polaris/σ Oct prevista</translation>
    </message>
    <message>
        <source>Precise Pole</source>
        <translation>Polo preciso</translation>
    </message>
    <message>
        <source>Pole:</source>
        <translation>Polo:</translation>
    </message>
    <message>
        <source>roiBigger_image</source>
        <translation>roiBigger_image</translation>
    </message>
    <message>
        <source>Monitor Pole</source>
        <translation>Monitora polo</translation>
    </message>
    <message>
        <source>Reference Star A</source>
        <translation>Stella di riferimento A</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>Reference Star B</source>
        <translation>Stella di riferimento B</translation>
    </message>
    <message>
        <source>Start Monitor</source>
        <translation>Monitora</translation>
    </message>
    <message>
        <source>template_image</source>
        <translation>template_image</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salva con nome...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Display Template</source>
        <translation>Mostra modello</translation>
    </message>
    <message>
        <source>Mono Style</source>
        <translation>Stile monocromatico</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Stretching</translation>
    </message>
    <message>
        <source>Astronomical Refraction</source>
        <translation>Rifrazione astronomica</translation>
    </message>
    <message>
        <source>Manual Trace</source>
        <translation>Inseguimento manuale</translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation>Evita blocco</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Preferiti</translation>
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
        <translation>Manuale di Orvanta</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Can not save the image to %1!</source>
        <translation>Impossibile salvare l&apos;immagine in %1!</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>No TAVRIN Orvanta camera found.</source>
        <translation>Nessun dispositivo TAVRIN Orvanta trovato!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: OpenTAVRIN failed.</source>
        <translation>Impossibile connettere Orvanta: errore OpenTAVRIN!</translation>
    </message>
    <message>
        <source>Cannot connect to Orvanta: InitTAVRIN failed.</source>
        <translation>Impossibile connettere Orvanta: errore InitTAVRIN!</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Orvanta - ID:%1</source>
        <translation>Orvanta - ID:%1</translation>
    </message>
    <message>
        <source>Seems no star in this point, please try other point.</source>
        <translation>Sembra che non ci sia nessuna stella in questo punto, prova un altro punto.</translation>
    </message>
    <message>
        <source>Cannot find the axis center. Please click &apos;Reset&apos; to find it again.</source>
        <translation>Impossibile determinare il centro dell&apos;asse, fai clic su «Ripeti» per cercarlo di nuovo.</translation>
    </message>
    <message>
        <source>reference stars lost</source>
        <translation>stelle di riferimento perse</translation>
    </message>
    <message>
        <source>Measuring the star...</source>
        <translation>Misurazione della stella...</translation>
    </message>
    <message>
        <source>This is where the star was at the last pick. Turn the RA axis by at least about 20 degrees between picks, then double click the star again.</source>
        <translation>Qui si trovava la stella alla selezione precedente. Ruotate l&apos;asse AR di almeno circa 20 gradi tra una selezione e l&apos;altra, poi fate di nuovo doppio clic sulla stella.</translation>
    </message>
    <message>
        <source>The picks are too close together to find the axis centre. Click &apos;Reset&apos; and turn the RA axis by at least about 20 degrees between picks.</source>
        <translation>Le selezioni sono troppo vicine per trovare il centro dell&apos;asse. Fate clic su &apos;Ripeti&apos; e ruotate l&apos;asse AR di almeno circa 20 gradi tra le selezioni.</translation>
    </message>
    <message>
        <source>These picks do not lie on a circle around the RA axis. Click &apos;Reset&apos; and double click the same star each time.</source>
        <translation>Queste selezioni non giacciono su un cerchio attorno all&apos;asse AR. Fate clic su &apos;Ripeti&apos; e fate doppio clic ogni volta sulla stessa stella.</translation>
    </message>
    <message>
        <source>The picks span %1 degrees of RA; the centre is good to %2 px (%3&quot;).</source>
        <translation>Le selezioni coprono %1 gradi di AR; il centro è preciso a %2 px (%3&quot;).</translation>
    </message>
    <message>
        <source>That is too uncertain: click &apos;Reset&apos; and turn the RA axis further between picks.</source>
        <translation>È troppo incerto: fate clic su &apos;Ripeti&apos; e ruotate di più l&apos;asse AR tra le selezioni.</translation>
    </message>
    <message>
        <source>A reference star would stand too near the edge of the image to be followed: the axis centre is too near the edge. Turn the camera on the mount so that the axis centre lies nearer the middle of the image, then find it again.</source>
        <translation>Una stella di riferimento sarebbe troppo vicina al bordo dell&apos;immagine per essere seguita: il centro dell&apos;asse è troppo vicino al bordo. Ruotate la camera sulla montatura in modo che il centro dell&apos;asse sia più vicino al centro dell&apos;immagine, poi trovatelo di nuovo.</translation>
    </message>
    <message>
        <source>Recorded: %1 on %2.</source>
        <translation>Registrato: %1 il %2.</translation>
    </message>
    <message>
        <source>Recorded: %1.</source>
        <translation>Registrato: %1.</translation>
    </message>
    <message>
        <source>The reference stars were not found where the template puts them. Double click the pole star and match the template again.</source>
        <translation>Le stelle di riferimento non sono state trovate dove le pone il modello. Fate doppio clic sulla stella polare e allineate di nuovo il modello.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>Would you like to use the axis center saved the last time you used Orvanta?</source>
        <translation>Vuoi usare la posizione del centro dell&apos;asse registrata l&apos;ultima volta che hai usato Orvanta?</translation>
    </message>
    <message>
        <source>Is the setup finished?</source>
        <translation>Impostazione completata?</translation>
    </message>
    <message>
        <source>Setting Finished</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Does the template match?</source>
        <translation>Il modello coincide?</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Rotate your mount&apos;s RA axis in the direction of the arrow at the top of the image, by at least 30 degrees.</source>
        <translation>Ruota l&apos;asse AR della montatura nella direzione indicata dalla freccia in alto sullo schermo (almeno 30 gradi).</translation>
    </message>
    <message>
        <source>Is the rotation finished?</source>
        <translation>Rotazione completata?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>rotation Finished</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous step again (step 2 of 3).</source>
        <translation>Fai di nuovo doppio clic sulla stessa stella scelta nel passo precedente (passo 2 di 3).</translation>
    </message>
    <message>
        <source>Again, rotate your mount&apos;s RA axis in the same direction by at least 30 degrees.</source>
        <translation>Ruota di nuovo l&apos;asse AR della montatura nella stessa direzione, di almeno 30 gradi.</translation>
    </message>
    <message>
        <source>Double-click the star you chose in the previous two steps one last time (step 3 of 3).</source>
        <translation>Fai doppio clic un&apos;ultima volta sulla stessa stella scelta nei 2 passi precedenti (passo 3 di 3).</translation>
    </message>
    <message>
        <source>Turn the RA axis back to its home position and make sure the chosen star stays on the circle while the mount turns.</source>
        <translation>Riporta l&apos;asse AR nella posizione iniziale (Home): assicurati che la stella scelta resti sul cerchio mentre la montatura ruota fino alla posizione di parcheggio (PARK).</translation>
    </message>
    <message>
        <source>Is the axis center correct?</source>
        <translation>Il centro dell&apos;asse è corretto?</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Corretto</translation>
    </message>
    <message>
        <source>Is the adjustment finished?</source>
        <translation>Regolazione completata?</translation>
    </message>
    <message>
        <source>adjustment Finished</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Please click the &apos;Start Monitor&apos; button.</source>
        <translation>Fai clic sul pulsante «Monitora».</translation>
    </message>
    <message>
        <source>Use only the altitude and azimuth bolts to move the pole rectangle onto the axis circle.</source>
        <translation>Usa solo le viti di altezza e azimut per portare il rettangolo del polo sul cerchio dell&apos;asse.</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around Polaris are visible.</source>
        <translation>Regola i parametri a sinistra per rendere visibili più stelle intorno a Polaris.</translation>
    </message>
    <message>
        <source>Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Fai doppio clic su Polaris e usa il cursore «Ruota» a sinistra (o i tasti freccia) per ruotare il modello finché coincide con le stelle intorno a Polaris.</translation>
    </message>
    <message>
        <source>Choose a star other than Polaris and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>Scegli una stella diversa da Polaris e fai doppio clic su di essa nell&apos;immagine. Ricorda questa stella: la selezionerai di nuovo nei passi successivi (passo 1 di 3).</translation>
    </message>
    <message>
        <source>Expected position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Posizione prevista: Fai doppio clic su Polaris e usa il cursore «Ruota» a sinistra (o i tasti freccia) per ruotare il modello finché coincide con le stelle intorno a Polaris.</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move Polaris into the center of the small turning circle on the image.</source>
        <translation>Con le viti di altezza e azimut, porta Polaris al centro del piccolo cerchio rotante ora mostrato nell&apos;immagine.</translation>
    </message>
    <message>
        <source>Current position: Double-click Polaris and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around Polaris.</source>
        <translation>Posizione attuale: Fai doppio clic su Polaris e usa il cursore «Ruota» a sinistra (o i tasti freccia) per ruotare il modello finché coincide con le stelle intorno a Polaris.</translation>
    </message>
    <message>
        <source>Adjust the settings on the left until the stars around σ Oct are visible.</source>
        <translation>Regola i parametri a sinistra per rendere visibili più stelle intorno a σ Oct.</translation>
    </message>
    <message>
        <source>Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct. To find it: the long axis of the Southern Cross, extended four and a half times, ends near the pole (chart in the manual).</source>
        <translation>Fai doppio clic su σ Oct e usa il cursore «Ruota» a sinistra (o i tasti freccia) per ruotare il modello finché coincide con le stelle intorno a σ Oct. Per trovarla: l&apos;asse lungo della Croce del Sud, prolungato quattro volte e mezza, termina vicino al polo (mappa nel manuale).</translation>
    </message>
    <message>
        <source>Choose a star other than σ Oct and double-click it in the image. Remember this star: you will select it again in the next steps (step 1 of 3).</source>
        <translation>Scegli una stella diversa da σ Oct e fai doppio clic su di essa nell&apos;immagine. Ricorda questa stella: la selezionerai di nuovo nei passi successivi (passo 1 di 3).</translation>
    </message>
    <message>
        <source>Expected position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>Posizione prevista: Fai doppio clic su σ Oct e usa il cursore «Ruota» a sinistra (o i tasti freccia) per ruotare il modello finché coincide con le stelle intorno a σ Oct.</translation>
    </message>
    <message>
        <source>With the altitude and azimuth bolts, move σ Oct into the center of the small turning circle on the image.</source>
        <translation>Con le viti di altezza e azimut, porta σ Oct al centro del piccolo cerchio rotante ora mostrato nell&apos;immagine.</translation>
    </message>
    <message>
        <source>Current position: Double-click σ Oct and turn the template with the &apos;Rotate&apos; slider on the left (or the arrow keys) until it matches the stars around σ Oct.</source>
        <translation>Posizione attuale: Fai doppio clic su σ Oct e usa il cursore «Ruota» a sinistra (o i tasti freccia) per ruotare il modello finché coincide con le stelle intorno a σ Oct.</translation>
    </message>
    <message>
        <source>Night Style</source>
        <translation>Modalità notte</translation>
    </message>
    <message>
        <source>The manual is not installed with Orvanta.</source>
        <translation>Il manuale non è installato con Orvanta.</translation>
    </message>
    <message>
        <source>The picture as shown</source>
        <translation>L&apos;immagine come mostrata</translation>
    </message>
    <message>
        <source>The camera frame with marks</source>
        <translation>L&apos;immagine della camera con i segni</translation>
    </message>
    <message>
        <source>The camera frame without marks</source>
        <translation>L&apos;immagine della camera senza i segni</translation>
    </message>
    <message>
        <source>The camera cannot be used: %1.
Orvanta runs on without a camera.</source>
        <translation>La camera non può essere usata: %1.
Orvanta continua senza camera.</translation>
    </message>
    <message>
        <source>Waiting for the camera...</source>
        <translation>In attesa della camera...</translation>
    </message>
    <message>
        <source>The camera does not answer and stays busy; try Disconnect again later.</source>
        <translation>La camera non risponde e resta occupata; riprovare Disconnetti più tardi.</translation>
    </message>
    <message>
        <source>Target: true pole</source>
        <translation>Obiettivo: polo vero</translation>
    </message>
    <message>
        <source>Target: refracted pole</source>
        <translation>Obiettivo: polo rifratto</translation>
    </message>
    <message>
        <source>Polar error: reference stars not measured</source>
        <translation>Errore polare: stelle di riferimento non misurate</translation>
    </message>
    <message>
        <source>lower the polar axis</source>
        <translation>abbassare l&apos;asse polare</translation>
    </message>
    <message>
        <source>raise the polar axis</source>
        <translation>alzare l&apos;asse polare</translation>
    </message>
    <message>
        <source>turn left (east)</source>
        <translation>girare a sinistra (est)</translation>
    </message>
    <message>
        <source>turn left (west)</source>
        <translation>girare a sinistra (ovest)</translation>
    </message>
    <message>
        <source>turn right (west)</source>
        <translation>girare a destra (ovest)</translation>
    </message>
    <message>
        <source>turn right (east)</source>
        <translation>girare a destra (est)</translation>
    </message>
    <message>
        <source>Polar error: %1&apos;</source>
        <translation>Errore polare: %1&apos;</translation>
    </message>
    <message>
        <source>Altitude: %1&apos; %2</source>
        <translation>Altezza: %1&apos; %2</translation>
    </message>
    <message>
        <source>Azimuth: %1&apos; %2</source>
        <translation>Azimut: %1&apos; %2</translation>
    </message>
</context>
<context>
    <name>PoleTrackingDialog</name>
    <message>
        <source>Pole Tracking</source>
        <translation>Inseguimento del polo</translation>
    </message>
    <message>
        <source>If the pole was lost after a GOTO slew, turn the dial by the slew&apos;s RA angle to find it again.</source>
        <translation>Se il polo è stato perso dopo un puntamento GOTO, ruota la manopola dell&apos;angolo in AR del puntamento per ritrovarlo.</translation>
    </message>
    <message>
        <source>Tracking:</source>
        <translation>Angolo:</translation>
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
        <translation>Azzera</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
</TS>
