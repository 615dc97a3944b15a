<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CAllRemindersWindow</name>
    <message>
        <source>All Reminders - Zamanix</source>
        <translation>Tous les rappels - Zamanix</translation>
    </message>
    <message>
        <source>Filter by memo or key</source>
        <translation>Filtrer par mémo ou clé</translation>
    </message>
    <message>
        <source>Filter reminders</source>
        <translation>Filtrer les rappels</translation>
    </message>
    <message>
        <source>Shows only the reminders whose memo or key holds this text</source>
        <translation>N'affiche que les rappels dont le mémo ou la clé contient ce texte</translation>
    </message>
    <message>
        <source>All reminders</source>
        <translation>Tous les rappels</translation>
    </message>
    <message>
        <source>Enter opens the reminder in the form, Delete removes it, Escape closes the window</source>
        <translation type="vanished">Entrée ouvre le rappel dans le formulaire, Suppr le supprime, Échap ferme la fenêtre</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders</source>
        <comment>%n reminder</comment>
        <translation>
            <numerusform>%n rappel</numerusform>
            <numerusform>%n rappels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reminders</source>
        <comment>%1 of %n reminder</comment>
        <translation>
            <numerusform>%1 sur %n rappel</numerusform>
            <numerusform>%1 sur %n rappels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1; %n never fall due</source>
        <comment>%1; %n never falls due</comment>
        <translation>
            <numerusform>%1 ; %n n'échoit jamais</numerusform>
            <numerusform>%1 ; %n n'échoient jamais</numerusform>
        </translation>
    </message>
    <message>
        <source>The form cannot show %1: %2.

Delete it here, or mend its key in the profile.</source>
        <translation>Le formulaire ne peut pas afficher %1 : %2.

Supprimez-le ici ou corrigez sa clé dans le profil.</translation>
    </message>
    <message>
        <source>Delete the reminder %1?

%2</source>
        <translation>Supprimer le rappel %1 ?

%2</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be deleted.</source>
        <translation>Le rappel de %1 n'a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>The form cannot show a day of %1, which never falls due: %2.

Edit it here, or delete it.</source>
        <translation>Le formulaire ne peut pas afficher un jour de %1, qui n'échoit jamais : %2.

Modifiez-le ici, ou supprimez-le.</translation>
    </message>
    <message>
        <source>&amp;New Reminder...</source>
        <translation>&amp;Nouveau rappel...</translation>
    </message>
    <message>
        <source>Adds a reminder: every year, once, every month or every week</source>
        <translation>Ajoute un rappel : chaque année, une fois, chaque mois ou chaque semaine</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>Changes the selected reminder</source>
        <translation>Modifie le rappel sélectionné</translation>
    </message>
    <message>
        <source>&amp;Open in Form</source>
        <translation>&amp;Ouvrir dans le formulaire</translation>
    </message>
    <message>
        <source>Shows the selected reminder's day in the form</source>
        <translation>Affiche le jour du rappel sélectionné dans le formulaire</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Deletes the selected reminder, after asking</source>
        <translation>Supprime le rappel sélectionné, après confirmation</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Saves the reminders of the next five years as an iCalendar file</source>
        <translation>Enregistre les rappels des cinq prochaines années dans un fichier iCalendar</translation>
    </message>
    <message>
        <source>There are no reminders yet. Choose New Reminder... to add one of any kind, or in the main window choose a date, type a memo and choose Add.</source>
        <translation>Aucun rappel pour l'instant. Choisissez Nouveau rappel... pour en ajouter un de tout type, ou dans la fenêtre principale choisissez une date, saisissez un mémo et choisissez Ajouter.</translation>
    </message>
    <message>
        <source>Enter opens a yearly reminder in the form and edits the others, Delete removes one, the Menu key shows what else can be done, Escape closes the window</source>
        <translation>Entrée ouvre un rappel annuel dans le formulaire et modifie les autres, Suppr en supprime un, la touche Menu montre ce qu'on peut faire d'autre, Échap ferme la fenêtre</translation>
    </message>
    <message>
        <source>%1 never falls due: %2.</source>
        <translation>%1 n'échoit jamais : %2.</translation>
    </message>
    <message>
        <source>%1 fell on %2, which has gone by; it will not ring again.</source>
        <translation>%1 tombait le %2, qui est passé ; il ne sonnera plus.</translation>
    </message>
    <message>
        <source>%1 falls due %2.</source>
        <translation>%1 échoit %2.</translation>
    </message>
    <message>
        <source>A reminder for %1 exists already:

%2

Replace it with this one?</source>
        <translation>Un rappel pour %1 existe déjà :

%2

Le remplacer par celui-ci ?</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be saved.

%2</source>
        <translation>Le rappel de %1 n'a pas pu être enregistré.

%2</translation>
    </message>
</context>
<context>
    <name>CCalendarServerDialog</name>
    <message>
        <source>Calendar Server - Zamanix</source>
        <translation>Serveur d'agenda - Zamanix</translation>
    </message>
    <message>
        <source>Zamanix keeps a calendar on a CalDAV server holding each day on which a reminder falls due, for your phone and other calendar programs. A calendar that does not exist yet is created; without a URL nothing is published.</source>
        <translation>Zamanix tient sur un serveur CalDAV un agenda de chaque jour où un rappel échoit, pour votre téléphone et les autres agendas. Un agenda qui n'existe pas encore est créé ; sans URL, rien n'est publié.</translation>
    </message>
    <message>
        <source>Calendar URL</source>
        <translation>URL de l'agenda</translation>
    </message>
    <message>
        <source>The address of the calendar on the server, such as https://dav.example.org/anna/zamanix/</source>
        <translation>L'adresse de l'agenda sur le serveur, par exemple https://dav.example.org/anna/zamanix/</translation>
    </message>
    <message>
        <source>Over http:// the password travels unencrypted: use https://, unless the server runs on this computer.</source>
        <translation>Avec http:// le mot de passe circule en clair : utilisez https://, sauf si le serveur tourne sur cet ordinateur.</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d'utilisateur</translation>
    </message>
    <message>
        <source>Your user name on the calendar server</source>
        <translation>Votre nom d'utilisateur sur le serveur d'agenda</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Your password on the calendar server</source>
        <translation>Votre mot de passe sur le serveur d'agenda</translation>
    </message>
    <message>
        <source>Years ahead</source>
        <translation>Années à venir</translation>
    </message>
    <message>
        <source>How many years of reminders, from today on, the calendar holds</source>
        <translation>Combien d'années de rappels, à partir d'aujourd'hui, l'agenda contient</translation>
    </message>
    <message>
        <source>&amp;Calendar URL:</source>
        <translation>URL de l'a&amp;genda :</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d'&amp;utilisateur :</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>Mot de &amp;passe :</translation>
    </message>
    <message>
        <source>&amp;Years ahead:</source>
        <translation>&amp;Années à venir :</translation>
    </message>
    <message>
        <source>Publish &amp;Now</source>
        <translation>Publier &amp;maintenant</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The password goes to your desktop's keyring, never into a file of Zamanix.</source>
        <translation>Le mot de passe va dans le trousseau de votre bureau, jamais dans un fichier de Zamanix.</translation>
    </message>
    <message>
        <source>No password is kept for this user at this calendar: give it here.</source>
        <translation>Aucun mot de passe n'est conservé pour cet utilisateur sur cet agenda : indiquez-le ici.</translation>
    </message>
    <message>
        <source>No keyring took the password, so it is kept for this session only: give it here again after Zamanix restarts.</source>
        <translation>Aucun trousseau n'a pris le mot de passe, il n'est donc conservé que pour cette session : indiquez-le à nouveau ici après le redémarrage de Zamanix.</translation>
    </message>
    <message>
        <source>The password is kept in your desktop's keyring.</source>
        <translation>Le mot de passe est conservé dans le trousseau de votre bureau.</translation>
    </message>
    <message>
        <source>No keyring answered (%1), so the password is kept for this session only: give it here again after Zamanix restarts.</source>
        <translation>Aucun trousseau n'a répondu (%1), le mot de passe n'est donc conservé que pour cette session : indiquez-le à nouveau ici après le redémarrage de Zamanix.</translation>
    </message>
    <message>
        <source>The calendar server's settings were not saved: %1.</source>
        <translation>Les réglages du serveur d'agenda n'ont pas été enregistrés : %1.</translation>
    </message>
    <message>
        <source>The calendar server's settings could not be written to the profile; Zamanix publishes with them until it ends.

%1</source>
        <translation>Les réglages du serveur d'agenda n'ont pas pu être écrits dans le profil ; Zamanix publie avec eux jusqu'à sa fermeture.

%1</translation>
    </message>
    <message>
        <source>Handing the password to the keyring...</source>
        <translation>Remise du mot de passe au trousseau...</translation>
    </message>
    <message>
        <source>Give the URL of a calendar first: Zamanix publishes the reminders there.</source>
        <translation>Indiquez d'abord l'URL d'un agenda : Zamanix y publie les rappels.</translation>
    </message>
    <message>
        <source>Save the changes to the calendar server's settings?</source>
        <translation>Enregistrer les modifications des réglages du serveur d'agenda ?</translation>
    </message>
    <message>
        <source>Publish Now publishes the reminders at once; Zamanix also publishes them by itself after each change.</source>
        <translation>Publier maintenant publie aussitôt les rappels ; Zamanix les publie aussi de lui-même après chaque modification.</translation>
    </message>
    <message>
        <source>Publishing is off: give the URL of a calendar to publish to.</source>
        <translation>La publication est désactivée : indiquez l'URL d'un agenda où publier.</translation>
    </message>
</context>
<context>
    <name>CCrescentPrompt</name>
    <message>
        <source>Has the new moon of %1 been seen?</source>
        <translation>Le croissant de %1 a-t-il été vu ?</translation>
    </message>
    <message>
        <source>Today is 29 %1; your answer records the day %2 begins.</source>
        <translation>Nous sommes le 29 %1 ; votre réponse enregistre le jour où commence %2.</translation>
    </message>
    <message>
        <source>Yes: %1 begins tomorrow</source>
        <translation>Oui : %1 commence demain</translation>
    </message>
    <message>
        <source>No: %1 has 30 days</source>
        <translation>Non : %1 a 30 jours</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Pas encore</translation>
    </message>
    <message>
        <source>Zamanix: The New Moon</source>
        <translation>Zamanix : la nouvelle lune</translation>
    </message>
    <message>
        <source>The start of %1 could not be recorded.</source>
        <translation>Le début de %1 n'a pas pu être enregistré.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Whether to ask about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Le choix de demander pour la nouvelle lune n'a pas pu être enregistré ; Zamanix l'oubliera à sa fermeture.</translation>
    </message>
    <message>
        <source>The choice of digits could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Le choix des chiffres n'a pas pu être enregistré ; Zamanix l'oubliera à sa fermeture.</translation>
    </message>
</context>
<context>
    <name>CMissedReminderModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Date hégirienne</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
</context>
<context>
    <name>CMissedRemindersWindow</name>
    <message>
        <source>Missed Reminders - Zamanix</source>
        <translation>Rappels manqués - Zamanix</translation>
    </message>
    <message>
        <source>Missed Reminders</source>
        <translation>Rappels manqués</translation>
    </message>
    <message>
        <source>These reminders fell due while Zamanix was not running or the computer was asleep.</source>
        <translation>Ces rappels sont arrivés à échéance pendant que Zamanix n'était pas lancé ou que l'ordinateur était en veille.</translation>
    </message>
    <message>
        <source>Missed reminders</source>
        <translation>Rappels manqués</translation>
    </message>
    <message>
        <source>Enter opens the reminder in the form, Escape closes the window</source>
        <translation>Entrée ouvre le rappel dans le formulaire, Échap ferme la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Open in Form</source>
        <translation>&amp;Ouvrir dans le formulaire</translation>
    </message>
    <message>
        <source>Shows the selected reminder in the form</source>
        <translation>Affiche le rappel sélectionné dans le formulaire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message numerus="yes">
        <source>%n reminders missed</source>
        <comment>%n reminder missed</comment>
        <translation>
            <numerusform>%n rappel manqué</numerusform>
            <numerusform>%n rappels manqués</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMonthDock</name>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Whether the month panel is shown could not be saved; Zamanix forgets it when it closes.</source>
        <translation>L'affichage du panneau du mois n'a pas pu être enregistré ; Zamanix l'oubliera à sa fermeture.</translation>
    </message>
    <message>
        <source>Whether the holy days are marked could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Le marquage des fêtes n'a pas pu être enregistré ; Zamanix l'oubliera à sa fermeture.</translation>
    </message>
    <message>
        <source>The side of the month panel could not be saved.</source>
        <translation>Le côté du panneau du mois n'a pas pu être enregistré.</translation>
    </message>
</context>
<context>
    <name>CMonthPanel</name>
    <message>
        <source>Week %1</source>
        <translation>Semaine %1</translation>
    </message>
    <message>
        <source>Previous year</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd'hui</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Année suivante</translation>
    </message>
    <message>
        <source>Arrow keys move the day, Page Up and Page Down the month, with Control the year; Home goes to today; Enter shows the day in the form</source>
        <translation>Les flèches changent de jour, Page haut et Page bas de mois, avec Ctrl d'année ; Début va à aujourd'hui ; Entrée affiche le jour dans le formulaire</translation>
    </message>
    <message>
        <source>Holy days: %1</source>
        <translation>Fêtes : %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Holy days</source>
        <translation>Fêtes</translation>
    </message>
    <message>
        <source>Phases of the Moon (local time)</source>
        <translation>Phases de la Lune (heure locale)</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>reminder: %1</source>
        <translation>rappel : %1</translation>
    </message>
    <message>
        <source>reminders: %1</source>
        <translation>rappels : %1</translation>
    </message>
    <message>
        <source>Reminder: %1 (alarm at %2)</source>
        <translation>Rappel : %1 (alarme à %2)</translation>
    </message>
    <message>
        <source>Reminder: %1</source>
        <translation>Rappel : %1</translation>
    </message>
    <message>
        <source>new moon at %1</source>
        <translation>nouvelle lune à %1</translation>
    </message>
    <message>
        <source>first quarter at %1</source>
        <translation>premier quartier à %1</translation>
    </message>
    <message>
        <source>full moon at %1</source>
        <translation>pleine lune à %1</translation>
    </message>
    <message>
        <source>last quarter at %1</source>
        <translation>dernier quartier à %1</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd'hui</translation>
    </message>
    <message>
        <source>Began On...</source>
        <translation>A commencé le...</translation>
    </message>
    <message>
        <source>This Month Began On...</source>
        <translation>Ce mois a commencé le...</translation>
    </message>
    <message>
        <source>Remove Record</source>
        <translation>Retirer l'enregistrement</translation>
    </message>
    <message>
        <source>The start of %1 could not be recorded.</source>
        <translation>Le début de %1 n'a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>The recorded start of %1 could not be removed.</source>
        <translation>Le début enregistré de %1 n'a pas pu être retiré.</translation>
    </message>
</context>
<context>
    <name>CMonthStartDialog</name>
    <message>
        <source>When %1 Began - Zamanix</source>
        <translation>Début de %1 - Zamanix</translation>
    </message>
    <message>
        <source>The days it can have begun on</source>
        <translation>Les jours où il peut avoir commencé</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Remove Recor&amp;d</source>
        <translation>Re&amp;tirer l'enregistrement</translation>
    </message>
    <message>
        <source>%1 cannot be recorded to begin on any day now: %2</source>
        <translation>%1 ne peut être enregistré comme commençant aucun jour pour l'instant : %2</translation>
    </message>
    <message>
        <source>%1 began on %2, as recorded; %3 begins it on %4. Choose the day your community announced.</source>
        <translation>%1 a commencé le %2, comme enregistré ; %3 le fait commencer le %4. Choisissez le jour annoncé par votre communauté.</translation>
    </message>
    <message>
        <source>%1 begins on %2, moved by the records of the months around it; %3 begins it on %4. Choose the day your community announced.</source>
        <translation>%1 commence le %2, décalé par les enregistrements des mois voisins ; %3 le fait commencer le %4. Choisissez le jour annoncé par votre communauté.</translation>
    </message>
    <message>
        <source>%1 begins on %2 under %3. Choose the day your community announced.</source>
        <translation>%1 commence le %2 selon %3. Choisissez le jour annoncé par votre communauté.</translation>
    </message>
    <message>
        <source>%1, now %2 (the rule's start, recorded)</source>
        <translation>%1, maintenant %2 (début de la règle, enregistré)</translation>
    </message>
    <message>
        <source>%1, now %2 (the rule's start)</source>
        <translation>%1, maintenant %2 (début de la règle)</translation>
    </message>
    <message>
        <source>%1, now %2 (recorded)</source>
        <translation>%1, maintenant %2 (enregistré)</translation>
    </message>
    <message>
        <source>%1, now %2</source>
        <translation>%1, maintenant %2</translation>
    </message>
</context>
<context>
    <name>CMonthStartModel</name>
    <message>
        <source>Ignored: %1</source>
        <translation>Ignoré : %1</translation>
    </message>
    <message>
        <source>the same day</source>
        <translation>le même jour</translation>
    </message>
    <message>
        <source>1 day earlier</source>
        <translation>1 jour plus tôt</translation>
    </message>
    <message>
        <source>1 day later</source>
        <translation>1 jour plus tard</translation>
    </message>
    <message>
        <source>%1 days earlier</source>
        <translation>%1 jours plus tôt</translation>
    </message>
    <message>
        <source>%1 days later</source>
        <translation>%1 jours plus tard</translation>
    </message>
    <message>
        <source>Hijri month</source>
        <translation>Mois hégirien</translation>
    </message>
    <message>
        <source>Began on</source>
        <translation>A commencé le</translation>
    </message>
    <message>
        <source>The rule's start</source>
        <translation>Début de la règle</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
</context>
<context>
    <name>CMonthStartsWindow</name>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>Hijri Month Starts - Zamanix</source>
        <translation>Débuts des mois hégiriens - Zamanix</translation>
    </message>
    <message>
        <source>Recorded month starts</source>
        <translation>Débuts de mois enregistrés</translation>
    </message>
    <message>
        <source>Delete removes the selected record; Escape closes the window</source>
        <translation>Suppr retire l'enregistrement sélectionné ; Échap ferme la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Replace the records with those of a file, as a mosque or a community site publishes them</source>
        <translation>Remplacer les enregistrements par ceux d'un fichier, tel qu'une mosquée ou un site communautaire les publie</translation>
    </message>
    <message>
        <source>The new moon</source>
        <translation>La nouvelle lune</translation>
    </message>
    <message>
        <source>Ask on the 29th of each Hijri month whether it was seen, at</source>
        <translation>Demander le 29 de chaque mois hégirien s'il a été vu, à</translation>
    </message>
    <message>
        <source>Time of the question about the new moon</source>
        <translation>Heure de la question sur la nouvelle lune</translation>
    </message>
    <message>
        <source>Whether to ask about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>Le choix de demander pour la nouvelle lune n'a pas pu être enregistré ; Zamanix l'oubliera à sa fermeture.</translation>
    </message>
    <message>
        <source>The time of the question about the new moon could not be saved; Zamanix forgets it when it closes.</source>
        <translation>L'heure de la question sur la nouvelle lune n'a pas pu être enregistrée ; Zamanix l'oubliera à sa fermeture.</translation>
    </message>
    <message>
        <source>The Hijri calendar in use: %1.</source>
        <translation>Calendrier hégirien utilisé : %1.</translation>
    </message>
    <message>
        <source>No month start is recorded; the month panel's This Month Began On... records one.</source>
        <translation>Aucun début de mois n'est enregistré ; Ce mois a commencé le... du panneau du mois en enregistre un.</translation>
    </message>
    <message>
        <source>Each record says on which day a Hijri month began for your community; a marked one cannot be kept and is ignored.</source>
        <translation>Chaque enregistrement indique le jour où un mois hégirien a commencé pour votre communauté ; un enregistrement marqué ne peut être conservé et est ignoré.</translation>
    </message>
    <message>
        <source>Remove the recorded start of %1, %2?</source>
        <translation>Retirer le début enregistré de %1, %2 ?</translation>
    </message>
    <message>
        <source>Remove the entry %1 from the profile?</source>
        <translation>Retirer l'entrée %1 du profil ?</translation>
    </message>
    <message>
        <source>The record of %1 could not be removed.</source>
        <translation>L'enregistrement de %1 n'a pas pu être retiré.</translation>
    </message>
    <message>
        <source>Import Hijri Month Starts</source>
        <translation>Importer les débuts des mois hégiriens</translation>
    </message>
    <message>
        <source>Month starts (*.txt *.ini)</source>
        <translation>Débuts de mois (*.txt *.ini)</translation>
    </message>
    <message>
        <source>Importing "%1" replaces the month starts recorded now, and %2 of them that the file does not hold will be removed. Import it?</source>
        <translation>Importer « %1 » remplace les débuts de mois enregistrés, et %2 d'entre eux que le fichier ne contient pas seront retirés. L'importer ?</translation>
    </message>
    <message>
        <source>The month starts of "%1" could not be imported.</source>
        <translation>Les débuts de mois de « %1 » n'ont pas pu être importés.</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n'est pas un fichier</translation>
    </message>
    <message>
        <source>it is larger than a list of month starts can be</source>
        <translation>il est plus grand que ne peut l'être une liste de débuts de mois</translation>
    </message>
    <message>
        <source>Nothing was imported from "%1": %2.</source>
        <translation>Rien n'a été importé de « %1 » : %2.</translation>
    </message>
    <message>
        <source>Nothing was imported from "%1", for these lines:</source>
        <translation>Rien n'a été importé de « %1 », à cause de ces lignes :</translation>
    </message>
</context>
<context>
    <name>COneCopy</name>
    <message>
        <source>Zamanix opens local files only</source>
        <translation>Zamanix n'ouvre que des fichiers locaux</translation>
    </message>
    <message>
        <source>Zamanix has no action %1</source>
        <translation>Zamanix n'a pas d'action %1</translation>
    </message>
</context>
<context>
    <name>CReminderDialog</name>
    <message>
        <source>Every year</source>
        <translation>Chaque année</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Chaque mois</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Chaque semaine</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hégirien</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>Chrétien</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutes</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source> day before</source>
        <translation> jour avant</translation>
    </message>
    <message>
        <source> days before</source>
        <translation> jours avant</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Weekday</source>
        <translation>Jour de la semaine</translation>
    </message>
    <message>
        <source>Falls due</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Heure de l'alarme</translation>
    </message>
    <message>
        <source>Repeat interval in minutes</source>
        <translation>Intervalle de répétition en minutes</translation>
    </message>
    <message>
        <source>Notice: days before each day it falls due</source>
        <translation>Préavis : jours avant chaque échéance</translation>
    </message>
    <message>
        <source>Edit Reminder - Zamanix</source>
        <translation>Modifier le rappel - Zamanix</translation>
    </message>
    <message>
        <source>New Reminder - Zamanix</source>
        <translation>Nouveau rappel - Zamanix</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>&amp;Calendar:</source>
        <translation>&amp;Calendrier :</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mois :</translation>
    </message>
    <message>
        <source>&amp;Day:</source>
        <translation>&amp;Jour :</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>A&amp;nnée :</translation>
    </message>
    <message>
        <source>&amp;Weekday:</source>
        <translation>Jour de la &amp;semaine :</translation>
    </message>
    <message>
        <source>Falls due:</source>
        <translation>Échéance :</translation>
    </message>
    <message>
        <source>M&amp;emo:</source>
        <translation>Mé&amp;mo :</translation>
    </message>
    <message>
        <source>&amp;Alarm at:</source>
        <translation>&amp;Alarme à :</translation>
    </message>
    <message>
        <source>&amp;Repeat every:</source>
        <translation>&amp;Répéter toutes les :</translation>
    </message>
    <message>
        <source>&amp;Notice:</source>
        <translation>&amp;Préavis :</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
</context>
<context>
    <name>CReminderTableModel</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Clé</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Every</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Next date</source>
        <translation>Prochaine date</translation>
    </message>
    <message>
        <source>Hijri date</source>
        <translation>Date hégirienne</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd'hui</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>demain</translation>
    </message>
    <message numerus="yes">
        <source>in %n days</source>
        <comment>in %n day</comment>
        <translation>
            <numerusform>dans %n jour</numerusform>
            <numerusform>dans %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hégirien</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>Chrétien</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Never: %1</source>
        <translation>Jamais : %1</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Préavis</translation>
    </message>
    <message>
        <source>past, yesterday</source>
        <translation>passé, hier</translation>
    </message>
    <message numerus="yes">
        <source>past, %n days ago</source>
        <comment>past, %n day ago</comment>
        <translation>
            <numerusform>passé, il y a %n jour</numerusform>
            <numerusform>passé, il y a %n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Every year</source>
        <translation>Chaque année</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <source>Every month</source>
        <translation>Chaque mois</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Chaque semaine</translation>
    </message>
    <message numerus="yes">
        <source>%n days before</source>
        <comment>%n day before</comment>
        <translation>
            <numerusform>%n jour avant</numerusform>
            <numerusform>%n jours avant</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>CShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts - Zamanix</source>
        <translation>Raccourcis clavier - Zamanix</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Où</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
</context>
<context>
    <name>CZamanixApp</name>
    <message>
        <source>zamanix: the running copy does not answer (%1); starting another</source>
        <translation>zamanix: l'instance déjà lancée ne répond pas (%1) ; lancement d'une autre</translation>
    </message>
    <message>
        <source>Neither XDG_CONFIG_HOME nor HOME names the folder where the desktop looks for the programs to start at login.</source>
        <translation>Ni XDG_CONFIG_HOME ni HOME n'indique le dossier où le bureau cherche les programmes à lancer à l'ouverture de session.</translation>
    </message>
    <message>
        <source>The program's path "%1" cannot be written in a desktop entry.</source>
        <translation>Le chemin du programme « %1 » ne peut pas être écrit dans une entrée de bureau.</translation>
    </message>
    <message>
        <source>Zamanix could not stop starting at login:

%1</source>
        <translation>Zamanix n'a pas pu cesser de démarrer à l'ouverture de session :

%1</translation>
    </message>
    <message>
        <source>Zamanix could not be set to start at login:

%1</source>
        <translation>Zamanix n'a pas pu être configuré pour démarrer à l'ouverture de session :

%1</translation>
    </message>
    <message>
        <source>The manual could not be opened: no help viewer (such as Yelp) is installed, nor the README.

In a terminal, "man zamanix" shows the manual.</source>
        <translation>Le manuel n'a pas pu être ouvert : aucun afficheur d'aide (tel que Yelp) n'est installé, ni le README.

Dans un terminal, « man zamanix » affiche le manuel.</translation>
    </message>
</context>
<context>
    <name>CZamanixProfile</name>
    <message>
        <source>Zamanix cannot compute the %1 calendar: %2.

It goes on with the %3 calendar; Options &gt; Hijri Calendar chooses another.</source>
        <translation>Zamanix ne peut pas calculer le calendrier %1 : %2.

Il continue avec le calendrier %3 ; Options &gt; Calendrier hégirien en choisit un autre.</translation>
    </message>
    <message>
        <source>%1 cannot be recorded: %2</source>
        <translation>%1 ne peut pas être enregistré : %2</translation>
    </message>
</context>
<context>
    <name>CZamanixView</name>
    <message>
        <source>Zamanix Reminder</source>
        <translation>Rappel Zamanix</translation>
    </message>
    <message>
        <source>Remind me again in %1 minutes</source>
        <translation>Me le rappeler dans %1 minutes</translation>
    </message>
    <message>
        <source>Done for today</source>
        <translation>Terminé pour aujourd'hui</translation>
    </message>
    <message>
        <source>Zamanix Reminder:

</source>
        <translation>Rappel Zamanix :

</translation>
    </message>
    <message>
        <source>

Do you want me to remind you again in %1 minutes?</source>
        <translation>

Voulez-vous un nouveau rappel dans %1 minutes ?</translation>
    </message>
    <message>
        <source>Hijri</source>
        <translation>Hégirien</translation>
    </message>
    <message>
        <source>%1:%2, every %3 minutes</source>
        <translation>%1:%2, toutes les %3 minutes</translation>
    </message>
    <message>
        <source>The Hijri calendar setting could not be saved; Zamanix keeps %1 only until it is closed.</source>
        <translation>Le réglage du calendrier hégirien n'a pas pu être enregistré ; Zamanix garde %1 seulement jusqu'à sa fermeture.</translation>
    </message>
    <message>
        <source>zamanix: cannot record when the reminders were last checked: %1</source>
        <translation>zamanix: impossible d'enregistrer l'heure de la dernière vérification des rappels : %1</translation>
    </message>
    <message>
        <source>The reminder for %1 cannot be kept: %2.

Nothing was written. Correct the day or type a memo, then choose Add again.</source>
        <translation>Le rappel de %1 ne peut pas être conservé : %2.

Rien n'a été écrit. Corrigez le jour ou saisissez un mémo, puis choisissez de nouveau Ajouter.</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be saved. What you typed is still in the form; add it again once the file can be written.</source>
        <translation>Le rappel de %1 n'a pas pu être enregistré. Ce que vous avez saisi reste dans le formulaire ; ajoutez-le de nouveau quand le fichier pourra être écrit.</translation>
    </message>
    <message>
        <source>The reminder for %1 could not be deleted.</source>
        <translation>Le rappel de %1 n'a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>The sound setting could not be saved; the alarm stays audible only until Zamanix is closed.</source>
        <translation>Le réglage du son n'a pas pu être enregistré ; l'alarme reste sonore seulement jusqu'à la fermeture de Zamanix.</translation>
    </message>
    <message>
        <source>The sound setting could not be saved; the alarm stays silent only until Zamanix is closed.</source>
        <translation>Le réglage du son n'a pas pu être enregistré ; l'alarme reste silencieuse seulement jusqu'à la fermeture de Zamanix.</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 n'a que %3 jours</translation>
    </message>
    <message>
        <source>%1 %2 %3 does not exist</source>
        <translation>le %1 %2 %3 n'existe pas</translation>
    </message>
    <message>
        <source>Reminder kept for %1; it rings only in the years whose %2 has 30 days</source>
        <translation>Rappel de %1 conservé ; il ne sonne que les années où %2 compte 30 jours</translation>
    </message>
    <message>
        <source>Reminder kept for %1; it rings only in leap years</source>
        <translation>Rappel de %1 conservé ; il ne sonne que les années bissextiles</translation>
    </message>
    <message>
        <source>Reminder kept for %1, every year</source>
        <translation>Rappel de %1 conservé, chaque année</translation>
    </message>
    <message>
        <source>Reminder of %1 deleted</source>
        <translation>Rappel de %1 supprimé</translation>
    </message>
    <message>
        <source>There was no reminder of %1 to delete</source>
        <translation>Il n'y avait pas de rappel de %1 à supprimer</translation>
    </message>
</context>
<context>
    <name>Converter</name>
    <message>
        <source>Usage:
  zamanix-convert [--from-hijri] [--format text|iso] [CALENDAR] DATE...
  zamanix-convert --today [--format text|iso] [CALENDAR]
  zamanix-convert --month YEAR-MONTH [--from-hijri] [CALENDAR]
  zamanix-convert --batch [--from-hijri] [--format iso|text] [CALENDAR] &lt; dates
where CALENDAR is [--calendar astronomical|umalqura|civil] [--adjust N]
[--month-starts FILE] [--use-settings].

Converts dates between the Christian calendar (Julian up to 4 October 1582,
Gregorian from 15 October 1582) and the Hijri calendar: by default computed
from the instants of new moons, or kept by the Umm al-Qura or the tabular
(civil) rule.

DATE is YEAR-MONTH-DAY with the year as people write it: there is no year 0,
and -1-12-31 is the last day before 1-1-1. Years from -4000 to 3000 (of the
Christian calendar) are supported.

Options:
  --from-hijri        the dates given are Hijri dates (default: Christian)
  --format text       print both dates with the weekday (default), e.g.
                        Saturday 1 January 2000 = 24 Ramadhan 1420
  --format iso        print the converted date alone as YEAR-MM-DD, e.g.
                        1420-09-24
  --today             show today (local clock) in both calendars
  --month YEAR-MONTH  print the month as a grid like cal(1), each day as
                      day/day-in-the-other-calendar
  --batch             read one date per line from standard input and write
                      one line per input line (iso form unless --format text)
  --calendar RULE     the Hijri calendar: astronomical (default, from new
                      moons), umalqura (Umm al-Qura, Saudi Arabia's official
                      calendar) or civil (the tabular calendar)
  --adjust N          move the Hijri calendar N days, -2 to 2: with +1 each
                      day shows the Hijri date of the day after (default 0)
  --month-starts FILE the Hijri months begin as recorded in FILE, one line
                      a month, YEAR/MONTH=YYYY-MM-DD (the Hijri year and
                      month, then the Gregorian date of its first day),
                      e.g. 1448/9=2027-02-07, under a line [HijriMonthStarts]
                      or alone; the months around a record move as little
                      as keeps every month 29 or 30 days long
  --use-settings      take the calendar, adjustment and recorded month
                      starts of the Zamanix desktop program (its profile,
                      zamanix.INI) unless --calendar, --adjust or
                      --month-starts says otherwise
  -h, --help          show this help
  --version           show the version

Errors: a date that does not exist (a month outside 1-12, 2023-02-29, the
dropped days 1582-10-05 to 1582-10-14, Hijri day 30 of a month that has 29
days under the chosen calendar, year 0, a year out of range) or text that is
not a date is reported as "zamanix-convert: &lt;what is wrong&gt;" on standard
error, nothing is converted and the exit status is 2. In --batch mode the
line "error: &lt;what is wrong&gt;" stands in place of that date, the other lines
are still converted, and the exit status is 1 at the end.

A --month-starts FILE that cannot be read, holds a line that is no record,
or a record that cannot be kept (its day more than 2 days from the rule's
start of the month, or a month of 28 or 31 days with the other records)
is reported as "zamanix-convert: FILE: line N: &lt;what is wrong&gt;" and ends
the run with status 2 before any date is printed. A record of the profile
that cannot be kept is left out, with a warning on standard error.

Exit status: 0 success, 1 some --batch lines were wrong, 2 bad usage or date,
or input or output that failed.
</source>
        <translation>Utilisation :
  zamanix-convert [--from-hijri] [--format text|iso] [CALENDRIER] DATE...
  zamanix-convert --today [--format text|iso] [CALENDRIER]
  zamanix-convert --month ANNÉE-MOIS [--from-hijri] [CALENDRIER]
  zamanix-convert --batch [--from-hijri] [--format iso|text] [CALENDRIER]
                  &lt; dates
où CALENDRIER est [--calendar astronomical|umalqura|civil] [--adjust N]
[--month-starts FICHIER] [--use-settings].

Convertit les dates entre le calendrier chrétien (julien jusqu'au 4 octobre
1582, grégorien à partir du 15 octobre 1582) et le calendrier hégirien : par
défaut calculé d'après les instants des nouvelles lunes, ou tenu selon la règle
Umm al-Qura ou la règle tabulaire (civile).

DATE s'écrit ANNÉE-MOIS-JOUR, l'année comme on l'écrit couramment : l'année 0
n'existe pas, et -1-12-31 est le dernier jour avant 1-1-1. Les années de -4000
à 3000 (du calendrier chrétien) sont prises en charge.

Options :
  --from-hijri        les dates données sont hégiriennes (par défaut :
                      chrétiennes)
  --format text       affiche les deux dates avec le jour de la semaine (par
                      défaut), par exemple
                        samedi 1 janvier 2000 = 24 ramadan 1420
  --format iso        affiche seulement la date convertie, sous la forme
                      ANNÉE-MM-JJ, par exemple
                        1420-09-24
  --today             affiche la date du jour (horloge locale) dans les deux
                      calendriers
  --month ANNÉE-MOIS  affiche le mois en grille comme cal(1), chaque jour
                      sous la forme jour/jour-dans-l'autre-calendrier
  --batch             lit une date par ligne sur l'entrée standard et écrit
                      une ligne par ligne lue (forme iso sauf avec --format
                      text)
  --calendar RÈGLE    le calendrier hégirien : astronomical (par défaut,
                      d'après les nouvelles lunes), umalqura (Umm al-Qura,
                      le calendrier officiel de l'Arabie saoudite) ou civil
                      (le calendrier tabulaire)
  --adjust N          décale le calendrier hégirien de N jours, de -2 à 2 :
                      avec +1, chaque jour affiche la date hégirienne du
                      lendemain (par défaut 0)
  --month-starts FICHIER
                      les mois hégiriens commencent comme l'indique FICHIER,
                      une ligne par mois, ANNÉE/MOIS=AAAA-MM-JJ (l'année et
                      le mois hégiriens, puis la date grégorienne de leur
                      premier jour), par exemple 1448/9=2027-02-07, après
                      une ligne [HijriMonthStarts] ou seuls ; les mois
                      autour d'un enregistrement bougent aussi peu que le
                      permet une durée de 29 ou 30 jours pour chaque mois
  --use-settings      reprend le calendrier, le décalage et les débuts de
                      mois enregistrés du programme de bureau Zamanix (son
                      profil, zamanix.INI), sauf si --calendar, --adjust ou
                      --month-starts en décident autrement
  -h, --help          affiche cette aide
  --version           affiche la version

Erreurs : une date qui n'existe pas (un mois hors de 1-12, 2023-02-29, les
jours supprimés du 1582-10-05 au 1582-10-14, le jour hégirien 30 d'un mois
qui n'a que 29 jours selon le calendrier choisi, l'année 0, une année hors de
la plage) ou un texte qui n'est pas une date est signalé sous la forme
« zamanix-convert: &lt;ce qui ne va pas&gt; » sur la sortie d'erreur, rien n'est
converti et le code de sortie est 2. En mode --batch, la ligne
« error: &lt;ce qui ne va pas&gt; » remplace cette date, les autres lignes sont
tout de même converties, et le code de sortie est 1 à la fin.

Un FICHIER de --month-starts illisible, qui contient une ligne qui n'est pas
un enregistrement, ou un enregistrement impossible à garder (son jour à plus
de 2 jours du début du mois selon la règle, ou un mois de 28 ou 31 jours avec
les autres enregistrements) est signalé sous la forme
« zamanix-convert: FICHIER: ligne N : &lt;ce qui ne va pas&gt; » et termine
l'exécution avec le code 2 avant l'affichage de toute date. Un enregistrement
du profil impossible à garder est écarté, avec un avertissement sur la sortie
d'erreur.

Code de sortie : 0 en cas de succès, 1 si des lignes de --batch étaient
fausses, 2 en cas de mauvaise utilisation, de date fausse, ou d'échec en
lecture ou en écriture.
</translation>
    </message>
    <message>
        <source>%1: %2
Try '%3 --help' for more information.</source>
        <translation>%1: %2
Saisissez « %3 --help » pour plus d'informations.</translation>
    </message>
    <message>
        <source>%1 cannot be combined with another of --today, --month, --batch</source>
        <translation>%1 ne peut pas être combiné avec une autre option parmi --today, --month, --batch</translation>
    </message>
    <message>
        <source>unknown format '%1'; use text or iso</source>
        <translation>format « %1 » inconnu ; utilisez text ou iso</translation>
    </message>
    <message>
        <source>unknown calendar '%1'; use astronomical, umalqura or civil</source>
        <translation>calendrier « %1 » inconnu ; utilisez astronomical, umalqura ou civil</translation>
    </message>
    <message>
        <source>--month-starts needs a file name</source>
        <translation>--month-starts demande un nom de fichier</translation>
    </message>
    <message>
        <source>adjustment '%1' is not a whole number of days from -2 to 2</source>
        <translation>le décalage « %1 » n'est pas un nombre entier de jours de -2 à 2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: avertissement : %2</translation>
    </message>
    <message>
        <source>dates cannot be given together with --today, --month or --batch</source>
        <translation>des dates ne peuvent pas être données avec --today, --month ou --batch</translation>
    </message>
    <message>
        <source>no date given</source>
        <translation>aucune date donnée</translation>
    </message>
    <message>
        <source>--format does not apply to --month</source>
        <translation>--format ne s'applique pas à --month</translation>
    </message>
    <message>
        <source>%1: the %2 calendar cannot be computed: %3</source>
        <translation>%1: le calendrier %2 ne peut pas être calculé : %3</translation>
    </message>
    <message>
        <source>unknown option '%1'</source>
        <translation>option « %1 » inconnue</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>l'option %1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l'option %1 demande une valeur</translation>
    </message>
    <message>
        <source>%1: %2 is not a number of seconds</source>
        <translation>%1: %2 n'est pas un nombre de secondes</translation>
    </message>
    <message>
        <source>%1: the clock's date cannot be converted: %2</source>
        <translation>%1: la date de l'horloge ne peut pas être convertie : %2</translation>
    </message>
    <message>
        <source>%1: cannot read the dates: %2</source>
        <translation>%1: impossible de lire les dates : %2</translation>
    </message>
    <message>
        <source>%1: could not write the output</source>
        <translation>%1: impossible d'écrire la sortie</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>there is no year 0; the year before 1 is -1</source>
        <translation>l'année 0 n'existe pas ; l'année qui précède 1 est -1</translation>
    </message>
    <message>
        <source>year %1 is outside the supported range %2 to %3</source>
        <translation>l'année %1 est hors de la plage prise en charge, de %2 à %3</translation>
    </message>
    <message>
        <source>month %1 does not exist; months run from 1 to 12</source>
        <translation>le mois %1 n'existe pas ; les mois vont de 1 à 12</translation>
    </message>
    <message>
        <source>Hijri year %1 lies outside the supported range (Christian years %2 to %3)</source>
        <translation>l'année hégirienne %1 est hors de la plage prise en charge (années chrétiennes %2 à %3)</translation>
    </message>
    <message>
        <source>%1 is not a date; write YEAR-MONTH-DAY, for example 2000-01-31</source>
        <translation>%1 n'est pas une date ; écrivez ANNÉE-MOIS-JOUR, par exemple 2000-01-31</translation>
    </message>
    <message>
        <source>%1 is not a month; write YEAR-MONTH, for example 2000-01</source>
        <translation>%1 n'est pas un mois ; écrivez ANNÉE-MOIS, par exemple 2000-01</translation>
    </message>
    <message>
        <source>day 0 does not exist; days start at 1</source>
        <translation>le jour 0 n'existe pas ; les jours commencent à 1</translation>
    </message>
    <message>
        <source>%1 October 1582 does not exist; the Gregorian calendar follows 4 October 1582 with 15 October 1582</source>
        <translation>le %1 octobre 1582 n'existe pas ; dans le calendrier grégorien, le 15 octobre 1582 suit le 4 octobre 1582</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 n'a que %3 jours</translation>
    </message>
    <message>
        <source>%1 %2 (Hijri) has only %3 days</source>
        <translation>%1 %2 (hégirien) n'a que %3 jours</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>A date: %1 the day, %2 the month's name, %3 the year ("6 March 1998").</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <extracomment>A date with its weekday: %1 the weekday, %2 the day, %3 the month's name, %4 the year ("Friday 6 March 1998").</extracomment>
        <translation>%1 %2 %3 %4</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A month of a year: %1 the month's name, %2 the year ("Ramadhan 1447").</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Zamanix</source>
        <translation>Zamanix</translation>
    </message>
    <message>
        <source>Zamanix Version 1.1</source>
        <translation>Zamanix version 1.1</translation>
    </message>
    <message>
        <source>Hijri and Christian calendar with reminders.
By the Zamanix developers.</source>
        <translation>Calendrier hégirien et chrétien avec rappels.
Par les développeurs de Zamanix.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Zamanix</source>
        <translation>À propos de Zamanix</translation>
    </message>
    <message>
        <source>Today's Date:</source>
        <translation>Date du jour :</translation>
    </message>
    <message>
        <source>Today's Date</source>
        <translation>Date du jour</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Islamic Hijri</source>
        <translation>Hégirien</translation>
    </message>
    <message>
        <source>Christian</source>
        <translation>Chrétien</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mois :</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Jour :</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>An :</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Corresponding Date:</source>
        <translation>Date correspondante :</translation>
    </message>
    <message>
        <source>Corresponding Date</source>
        <translation>Date correspondante</translation>
    </message>
    <message>
        <source>Reminder Memo:</source>
        <translation>Mémo de rappel :</translation>
    </message>
    <message>
        <source>Reminder Memo</source>
        <translation>Mémo de rappel</translation>
    </message>
    <message>
        <source>Alarm at:</source>
        <translation>Alarme à :</translation>
    </message>
    <message>
        <source>Alarm hour</source>
        <translation>Heure de l'alarme</translation>
    </message>
    <message>
        <source>Alarm minute</source>
        <translation>Minute de l'alarme</translation>
    </message>
    <message>
        <source>Every:</source>
        <translation>Rappel :</translation>
    </message>
    <message>
        <source>Repeat every (minutes)</source>
        <translation>Intervalle de répétition (minutes)</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>Affi&amp;cher</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>Aujourd'hui :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Corresponding date:</source>
        <translation>Date correspondante :</translation>
    </message>
    <message>
        <source>Hijri calendar:</source>
        <translation>Calendrier hégirien :</translation>
    </message>
    <message>
        <source>Reminder memo:</source>
        <translation>Mémo de rappel :</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>%1: %2; a document cannot be saved over it.
Save the document under another name.</source>
        <translation>%1 : %2 ; aucun document ne peut être enregistré à sa place.
Enregistrez le document sous un autre nom.</translation>
    </message>
    <message>
        <source>%1 is not empty. A %2 document holds no data, so saving it here would replace what the file holds with nothing.

Replace the contents of %3 anyway?</source>
        <translation>%1 n'est pas vide. Un document %2 ne contient aucune donnée : l'enregistrer ici remplacerait le contenu du fichier par rien.

Remplacer quand même le contenu de %3 ?</translation>
    </message>
    <message>
        <source>%1
(Not a regular file: a pipe, socket or device cannot hold a document)</source>
        <translation>%1
(Ce n'est pas un fichier ordinaire : un tube, un socket ou un périphérique ne peut pas contenir de document)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>cannot read "%1": %2</source>
        <translation>impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot write "%1": the file is read-only (mode %2); to keep changes in it, make it writable (chmod u+w "%3")</source>
        <translation>impossible d'écrire « %1 » : le fichier est en lecture seule (mode %2) ; pour y garder des modifications, rendez-le accessible en écriture (chmod u+w "%3")</translation>
    </message>
    <message>
        <source>cannot write "%1": the file is read-only (mode %2) for you: it belongs to another user</source>
        <translation>impossible d'écrire « %1 » : le fichier est en lecture seule (mode %2) pour vous : il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>cannot create "%1": %2</source>
        <translation>impossible de créer « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot set the permissions of "%1": %2</source>
        <translation>impossible de définir les droits de « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot write "%1": %2</source>
        <translation>impossible d'écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot flush "%1": %2</source>
        <translation>impossible de vider les tampons de « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot read "%1": it is not a regular file</source>
        <translation>impossible de lire « %1 » : ce n'est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot find the folder of "%1": %2</source>
        <translation>impossible de trouver le dossier de « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot follow the link "%1": %2</source>
        <translation>impossible de suivre le lien « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot follow the links of "%1": %2</source>
        <translation>impossible de suivre les liens de « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot create the folder "%1": %2</source>
        <translation>impossible de créer le dossier « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot replace "%1": %2</source>
        <translation>impossible de remplacer « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot open the lock file "%1": %2</source>
        <translation>impossible d'ouvrir le fichier de verrou « %1 » : %2</translation>
    </message>
    <message>
        <source>another program has held the lock file "%1" for too long</source>
        <translation>un autre programme détient le fichier de verrou « %1 » depuis trop longtemps</translation>
    </message>
    <message>
        <source>cannot lock "%1": %2</source>
        <translation>impossible de verrouiller « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a folder; name a file in it</source>
        <translation>impossible d'écrire « %1 » : c'est un dossier ; indiquez un fichier dans ce dossier</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a socket, not a file</source>
        <translation>impossible d'écrire « %1 » : c'est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a device, not a file</source>
        <translation>impossible d'écrire « %1 » : c'est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>cannot write "%1": the program reading it stopped reading</source>
        <translation>impossible d'écrire « %1 » : le programme qui le lisait a cessé de lire</translation>
    </message>
    <message>
        <source>cannot write "%1": it is a pipe that no program reads; start the reader first</source>
        <translation>impossible d'écrire « %1 » : c'est un tube qu'aucun programme ne lit ; lancez d'abord le programme qui le lit</translation>
    </message>
    <message>
        <source>cannot write "%1": %2; choose another file</source>
        <translation>impossible d'écrire « %1 » : %2 ; choisissez un autre fichier</translation>
    </message>
    <message>
        <source>no profile file was named</source>
        <translation>aucun fichier de profil n'a été indiqué</translation>
    </message>
    <message>
        <source>not enough memory to write "%1"</source>
        <translation>mémoire insuffisante pour écrire « %1 »</translation>
    </message>
    <message>
        <source>the section name "%1" holds "]" or a line break</source>
        <translation>le nom de section « %1 » contient « ] » ou un saut de ligne</translation>
    </message>
    <message>
        <source>the entry name "%1" holds "=" or a line break, or starts with ";" or "["</source>
        <translation>le nom d'entrée « %1 » contient « = » ou un saut de ligne, ou commence par « ; » ou « [ »</translation>
    </message>
    <message>
        <source>it is the profile, which holds the reminders and settings</source>
        <translation>c'est le profil, qui contient les rappels et les réglages</translation>
    </message>
    <message>
        <source>it is the lock file of the profile "%1", which holds the reminders and settings</source>
        <translation>c'est le fichier de verrou du profil « %1 », qui contient les rappels et les réglages</translation>
    </message>
    <message>
        <source>it is the file through which the profile "%1", which holds the reminders and settings, is replaced</source>
        <translation>c'est le fichier par lequel est remplacé le profil « %1 », qui contient les rappels et les réglages</translation>
    </message>
    <message>
        <source>it is the backup of the profile "%1", which holds the reminders and settings</source>
        <translation>c'est la sauvegarde du profil « %1 », qui contient les rappels et les réglages</translation>
    </message>
    <message>
        <source>no profile file: the program's file name "%1" gives it no name</source>
        <translation>pas de fichier de profil : le nom de fichier du programme, « %1 », ne lui donne pas de nom</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 n'est pas défini</translation>
    </message>
    <message>
        <source>%1 is "%2"</source>
        <translation>%1 vaut « %2 »</translation>
    </message>
    <message>
        <source>no folder for the profile file %1.INI: it is kept in $XDG_CONFIG_HOME or else in $HOME/.config, but %2 and %3. Set HOME (or XDG_CONFIG_HOME) to an absolute folder, such as your home folder, and start the program again</source>
        <translation>pas de dossier pour le fichier de profil %1.INI : il est gardé dans $XDG_CONFIG_HOME ou sinon dans $HOME/.config, mais %2 et %3. Donnez à HOME (ou à XDG_CONFIG_HOME) un dossier absolu, par exemple votre dossier personnel, puis relancez le programme</translation>
    </message>
    <message>
        <source>cannot read "%1": not enough memory to hold it</source>
        <translation>impossible de lire « %1 » : mémoire insuffisante pour le contenir</translation>
    </message>
    <message>
        <source>"%1" is not a backup of the reminders: it holds none of the sections of a profile ([Reminder], [Alarm], [Defaults]); choose a file that Back Up Reminders wrote</source>
        <translation>« %1 » n'est pas une sauvegarde des rappels : il ne contient aucune section d'un profil ([Reminder], [Alarm], [Defaults]) ; choisissez un fichier écrit par Sauvegarder les rappels</translation>
    </message>
    <message>
        <source>there is nothing to back up yet: the profile "%1" does not exist, since no reminder or setting was kept so far</source>
        <translation>rien à sauvegarder pour l'instant : le profil « %1 » n'existe pas, aucun rappel ni réglage n'ayant encore été enregistré</translation>
    </message>
    <message>
        <source>cannot restore from "%1": %2; choose a backup that Back Up Reminders wrote</source>
        <translation>impossible de restaurer depuis « %1 » : %2 ; choisissez une sauvegarde écrite par Sauvegarder les rappels</translation>
    </message>
    <message>
        <source>"%1" is not a backup of the reminders: it holds bytes that are no text</source>
        <translation>« %1 » n'est pas une sauvegarde des rappels : il contient des octets qui ne sont pas du texte</translation>
    </message>
    <message>
        <source>cannot restore "%1": %2</source>
        <translation>impossible de restaurer « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot remove "%1": %2</source>
        <translation>impossible de supprimer « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>HijriCalendar</name>
    <message>
        <source>Astronomical</source>
        <translation>Astronomique</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>Umm al-Qura</translation>
    </message>
    <message>
        <source>Tabular (civil)</source>
        <translation>Tabulaire (civil)</translation>
    </message>
    <message>
        <source>%1, 1 %2 recorded</source>
        <translation>%1, 1er %2 enregistré</translation>
    </message>
    <message>
        <source>%1, 1 %2 moved by the recorded 1 %3</source>
        <translation>%1, 1er %2 déplacé par le 1er %3 enregistré</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 days</source>
        <comment>%1, %2 day</comment>
        <translation>
            <numerusform>%1, %2 jour</numerusform>
            <numerusform>%1, %2 jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n month starts recorded</source>
        <comment>%1, %n month start recorded</comment>
        <translation>
            <numerusform>%1, %n début de mois enregistré</numerusform>
            <numerusform>%1, %n débuts de mois enregistrés</numerusform>
        </translation>
    </message>
    <message>
        <source>ICU has no calendar %1</source>
        <translation>ICU n'a pas de calendrier %1</translation>
    </message>
    <message>
        <source>ICU cannot convert the date: %1</source>
        <translation>ICU ne peut pas convertir la date : %1</translation>
    </message>
</context>
<context>
    <name>HolyDays</name>
    <message>
        <source>Islamic New Year</source>
        <translation>Nouvel An de l'hégire</translation>
    </message>
    <message>
        <source>Ashura</source>
        <translation>Achoura</translation>
    </message>
    <message>
        <source>Isra and Mi'raj</source>
        <translation>Isra et Miraj</translation>
    </message>
    <message>
        <source>Mid-Sha'ban</source>
        <translation>Mi-Chaabane</translation>
    </message>
    <message>
        <source>First day of Ramadan</source>
        <translation>Premier jour du ramadan</translation>
    </message>
    <message>
        <source>Laylat al-Qadr (one of the odd nights)</source>
        <translation>Laylat al-Qadr (l'une des nuits impaires)</translation>
    </message>
    <message>
        <source>Eid al-Fitr</source>
        <translation>Aïd al-Fitr</translation>
    </message>
    <message>
        <source>Day of Arafah</source>
        <translation>Jour d'Arafat</translation>
    </message>
    <message>
        <source>Eid al-Adha</source>
        <translation>Aïd al-Adha</translation>
    </message>
</context>
<context>
    <name>LongText</name>
    <message>
        <source>[The rest is not shown: the text is too long to show whole.]</source>
        <translation>[La suite n'est pas affichée : le texte est trop long pour être affiché en entier.]</translation>
    </message>
    <message>
        <source>This text is too long to edit here; it is shown in part and kept unchanged.</source>
        <translation>Ce texte est trop long pour être modifié ici ; il est affiché en partie et conservé tel quel.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nouveau	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Aperçu a&amp;vant impression</translation>
    </message>
    <message>
        <source>Print &amp;Month...</source>
        <translation>Imprimer le &amp;mois...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Con&amp;figuration de l'impression...</translation>
    </message>
    <message>
        <source>&amp;Export Reminders...</source>
        <translation>E&amp;xporter les rappels...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Co&amp;uper	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>Cop&amp;ier	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>Co&amp;ller	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d'outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d'é&amp;tat</translation>
    </message>
    <message>
        <source>All &amp;Reminders	Ctrl+R</source>
        <translation>Tous les &amp;rappels	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Month	Ctrl+M</source>
        <translation>&amp;Mois	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Astronomical</source>
        <translation>&amp;Astronomique</translation>
    </message>
    <message>
        <source>&amp;Umm al-Qura</source>
        <translation>&amp;Umm al-Qura</translation>
    </message>
    <message>
        <source>&amp;Tabular (civil)</source>
        <translation>&amp;Tabulaire (civil)</translation>
    </message>
    <message>
        <source>&amp;-2 days</source>
        <translation>&amp;-2 jours</translation>
    </message>
    <message>
        <source>-&amp;1 day</source>
        <translation>-&amp;1 jour</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Aucun</translation>
    </message>
    <message>
        <source>+1 &amp;day</source>
        <translation>+1 &amp;jour</translation>
    </message>
    <message>
        <source>&amp;+2 days</source>
        <translation>&amp;+2 jours</translation>
    </message>
    <message>
        <source>Audiable Alarm</source>
        <translation>Alarme sonore</translation>
    </message>
    <message>
        <source>&amp;Islamic Holy Days</source>
        <translation>&amp;Fêtes islamiques</translation>
    </message>
    <message>
        <source>Start at &amp;Login</source>
        <translation>Démarrer à l'ou&amp;verture de session</translation>
    </message>
    <message>
        <source>Hijri &amp;Calendar</source>
        <translation>&amp;Calendrier hégirien</translation>
    </message>
    <message>
        <source>Hijri Date &amp;Adjustment</source>
        <translation>&amp;Décalage des dates hégiriennes</translation>
    </message>
    <message>
        <source>&amp;About Zamanix...</source>
        <translation>À &amp;propos de Zamanix...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Back Up Reminders...</source>
        <translation>Sauve&amp;garder les rappels...</translation>
    </message>
    <message>
        <source>Res&amp;tore Reminders...</source>
        <translation>&amp;Restaurer les rappels...</translation>
    </message>
    <message>
        <source>P&amp;ublish to Calendar Server</source>
        <translation>P&amp;ublier sur le serveur d'agenda</translation>
    </message>
    <message>
        <source>Calendar Se&amp;rver...</source>
        <translation>&amp;Serveur d'agenda...</translation>
    </message>
    <message>
        <source>&amp;Manual	F1</source>
        <translation>&amp;Manuel	F1</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Hijri &amp;Month Starts...</source>
        <translation>Débuts des &amp;mois hégiriens...</translation>
    </message>
    <message>
        <source>Ask About the &amp;New Moon</source>
        <translation>Demander pour la &amp;nouvelle lune</translation>
    </message>
    <message>
        <source>&amp;Western Digits</source>
        <translation>Chiffres &amp;occidentaux</translation>
    </message>
</context>
<context>
    <name>MonthStarts</name>
    <message>
        <source>%1 is not a Hijri month; write YEAR/MONTH, for example 1448/9</source>
        <translation>%1 n'est pas un mois hégirien ; écrivez ANNÉE/MOIS, par exemple 1448/9</translation>
    </message>
    <message>
        <source>there is no Hijri year 0</source>
        <translation>l'année hégirienne 0 n'existe pas</translation>
    </message>
    <message>
        <source>Hijri month %1 does not exist; months run from 1 to 12</source>
        <translation>le mois hégirien %1 n'existe pas ; les mois vont de 1 à 12</translation>
    </message>
    <message>
        <source>%1 is not a date; write YYYY-MM-DD, for example 2027-02-07</source>
        <translation>%1 n'est pas une date ; écrivez AAAA-MM-JJ, par exemple 2027-02-07</translation>
    </message>
    <message>
        <source>%1: there is no month %2</source>
        <translation>%1 : le mois %2 n'existe pas</translation>
    </message>
    <message>
        <source>%1: %2 %3 has no day %4</source>
        <translation>%1 : %2 %3 n'a pas de jour %4</translation>
    </message>
    <message>
        <source>%1: a month start is recorded by its Gregorian date, and the Gregorian calendar begins on 15 October 1582</source>
        <translation>%1 : un début de mois s'enregistre par sa date grégorienne, et le calendrier grégorien commence le 15 octobre 1582</translation>
    </message>
    <message>
        <source>%1: the last supported year is %2</source>
        <translation>%1 : la dernière année prise en charge est %2</translation>
    </message>
    <message>
        <source>%1 is recorded twice; the first record, %2, counts</source>
        <translation>%1 est enregistré deux fois ; le premier enregistrement, %2, fait foi</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>%n day</comment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: with %3 recorded as beginning on %4, %5 would have %6, and a month has 29 or 30</source>
        <translation>%1 ne peut pas commencer le %2 : avec %3 enregistré comme commençant le %4, %5 aurait %6, alors qu'un mois en a 29 ou 30</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: with %3 recorded as beginning on %4, the %5 months from %6 to %7 would have %8, and %9 months have %10 to %11</source>
        <translation>%1 ne peut pas commencer le %2 : avec %3 enregistré comme commençant le %4, les %5 mois de %6 à %7 auraient %8, alors que %9 mois en ont de %10 à %11</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: under %3 that day is %4</source>
        <translation>%1 ne peut pas commencer le %2 : selon %3, ce jour est le %4</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: that is %3 after its first day under %4, %5, and a recorded start lies at most %6 days from it</source>
        <translation>%1 ne peut pas commencer le %2 : c'est %3 après son premier jour selon %4, le %5, et un début enregistré en est au plus à %6 jours</translation>
    </message>
    <message>
        <source>%1 cannot begin on %2: that is %3 before its first day under %4, %5, and a recorded start lies at most %6 days from it</source>
        <translation>%1 ne peut pas commencer le %2 : c'est %3 avant son premier jour selon %4, le %5, et un début enregistré en est au plus à %6 jours</translation>
    </message>
    <message>
        <source>No day of %1 fits the records around it; to begin it on %2, record %3 anew first, beginning on %4</source>
        <translation>Aucun jour de %1 ne s'accorde avec les enregistrements voisins ; pour le faire commencer le %2, enregistrez d'abord de nouveau %3, avec un début le %4</translation>
    </message>
    <message>
        <source>As the records stand, %1 can begin on %2; to begin it on %3, record %4 anew first, beginning on %5</source>
        <translation>Avec les enregistrements actuels, %1 peut commencer le %2 ; pour le faire commencer le %3, enregistrez d'abord de nouveau %4, avec un début le %5</translation>
    </message>
    <message>
        <source>No day of %1 fits the records around it</source>
        <translation>Aucun jour de %1 ne s'accorde avec les enregistrements voisins</translation>
    </message>
    <message>
        <source>As the records stand, %1 can begin on %2</source>
        <translation>Avec les enregistrements actuels, %1 peut commencer le %2</translation>
    </message>
    <message>
        <source>[%1] %2=%3 is ignored: %4</source>
        <translation>[%1] %2=%3 est ignoré : %4</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1 is given another day on line %2</source>
        <translation>%1 reçoit un autre jour à la ligne %2</translation>
    </message>
    <message>
        <source>no month start in it; write one a line as YEAR/MONTH=YYYY-MM-DD under [HijriMonthStarts], for example 1448/9=2027-02-07</source>
        <translation>aucun début de mois ; écrivez-en un par ligne sous la forme ANNÉE/MOIS=AAAA-MM-JJ après [HijriMonthStarts], par exemple 1448/9=2027-02-07</translation>
    </message>
    <message>
        <source>"%1" is no record; write YEAR/MONTH=YYYY-MM-DD, for example 1448/9=2027-02-07</source>
        <translation>« %1 » n'est pas un enregistrement ; écrivez ANNÉE/MOIS=AAAA-MM-JJ, par exemple 1448/9=2027-02-07</translation>
    </message>
</context>
<context>
    <name>MonthText</name>
    <message>
        <source>%1: the night before %2, from sunset on %3</source>
        <translation>%1 : la nuit précédant le %2, dès le coucher du soleil le %3</translation>
    </message>
    <message>
        <source>from sunset, the night of %1</source>
        <translation>dès le coucher du soleil, la nuit de %1</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>%1: %2; nothing was printed to it.
Print to another file.</source>
        <translation>%1 : %2 ; rien n'y a été imprimé.
Imprimez dans un autre fichier.</translation>
    </message>
    <message>
        <source>The printing module %1 could not be loaded (%2); nothing was printed.
Installing Zamanix again mends this.</source>
        <translation>Le module d'impression %1 n'a pas pu être chargé (%2) ; rien n'a été imprimé.
Réinstaller Zamanix y remédie.</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Usage:
  zamanix [FILE]
  zamanix --minimized
  zamanix -p FILE
  zamanix -pt FILE PRINTER
  zamanix --help | --version

Converts dates between the Hijri and the Christian calendar, shows today in
both, and keeps a reminder memo with an alarm for any day of either calendar.

Options:
  FILE              open FILE as the document; nothing is read from it
  --minimized       start with the window minimized, as at login; when
                    Zamanix runs already, do nothing
  -p FILE           open FILE, print the form on the default printer, exit
  -pt FILE PRINTER  the same on PRINTER
  -h, --help        show this help and exit
  --version         show the version and exit
Qt's standard options, such as -platform NAME and -style NAME, are accepted.

Zamanix runs once per desktop session: while it runs, a start without -p or
-pt shows its window (and opens FILE there) and ends.

Reminders and settings are kept in $XDG_CONFIG_HOME/zamanix.INI (by default
~/.config/zamanix.INI). See zamanix(1).
</source>
        <translation>Utilisation :
  zamanix [FICHIER]
  zamanix --minimized
  zamanix -p FICHIER
  zamanix -pt FICHIER IMPRIMANTE
  zamanix --help | --version

Convertit les dates entre le calendrier hégirien et le calendrier chrétien,
affiche la date du jour dans les deux, et garde un mémo de rappel avec une
alarme pour n'importe quel jour de l'un ou l'autre calendrier.

Options :
  FICHIER           ouvre FICHIER comme document ; rien n'y est lu
  --minimized       démarre avec la fenêtre réduite, comme à l'ouverture de
                    session ; si Zamanix est déjà lancé, ne fait rien
  -p FICHIER        ouvre FICHIER, imprime le formulaire sur l'imprimante
                    par défaut, puis quitte
  -pt FICHIER IMPRIMANTE
                    de même, sur IMPRIMANTE
  -h, --help        affiche cette aide et quitte
  --version         affiche la version et quitte
Les options standard de Qt, comme -platform NOM et -style NOM, sont acceptées.

Zamanix ne s'exécute qu'une fois par session de bureau : tant qu'il tourne, un
lancement sans -p ni -pt affiche sa fenêtre (et y ouvre FICHIER) puis se
termine.

Les rappels et les réglages sont gardés dans $XDG_CONFIG_HOME/zamanix.INI
(par défaut ~/.config/zamanix.INI). Voir zamanix(1).
</translation>
    </message>
    <message>
        <source>zamanix: cannot write the answer: %1</source>
        <translation>zamanix: impossible d'écrire la réponse : %1</translation>
    </message>
</context>
<context>
    <name>Publishing</name>
    <message>
        <source>%1 is not a calendar: give the URL of a calendar, or of one that does not exist yet to have it created</source>
        <translation>%1 n'est pas un agenda : indiquez l'URL d'un agenda, ou d'un agenda qui n'existe pas encore pour le créer</translation>
    </message>
    <message>
        <source>the server %1 asks for a user name and password (401)</source>
        <translation>le serveur %1 demande un nom d'utilisateur et un mot de passe (401)</translation>
    </message>
    <message>
        <source>the server %1 refused the user name %2 or its password (401)</source>
        <translation>le serveur %1 a refusé le nom d'utilisateur %2 ou son mot de passe (401)</translation>
    </message>
    <message>
        <source>the server %1 answered %2 %3 to %4</source>
        <translation>le serveur %1 a répondu %2 %3 à %4</translation>
    </message>
    <message>
        <source>the certificate of %1 could not be verified: %2</source>
        <translation>le certificat de %1 n'a pas pu être vérifié : %2</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds</source>
        <translation>%1 n'a pas répondu dans les %2 secondes</translation>
    </message>
    <message>
        <source>cannot reach %1: %2</source>
        <translation>impossible de joindre %1 : %2</translation>
    </message>
    <message>
        <source>%1 added, %2 changed, %3 removed, %4 unchanged</source>
        <translation>%1 ajoutés, %2 modifiés, %3 supprimés, %4 inchangés</translation>
    </message>
    <message>
        <source>%1, %2 changed elsewhere and kept</source>
        <translation>%1, %2 modifiés ailleurs et conservés</translation>
    </message>
    <message>
        <source>%1, %2 left as another program changed them</source>
        <translation>%1, %2 laissés tels qu'un autre programme les a modifiés</translation>
    </message>
    <message>
        <source>calendar created; %1</source>
        <translation>agenda créé ; %1</translation>
    </message>
    <message>
        <source>"%1" is not the URL of a calendar: write https:// (or http://), the server's name and the calendar's path, such as https://dav.example.org/anna/zamanix/</source>
        <translation>« %1 » n'est pas l'URL d'un agenda : écrivez https:// (ou http://), le nom du serveur et le chemin de l'agenda, par exemple https://dav.example.org/anna/zamanix/</translation>
    </message>
    <message>
        <source>the keyring did not answer within %1 seconds</source>
        <translation>le trousseau n'a pas répondu dans les %1 secondes</translation>
    </message>
    <message>
        <source>Publishing the reminders: looking at the calendar...</source>
        <translation>Publication des rappels : examen de l'agenda...</translation>
    </message>
    <message>
        <source>Publishing the reminders: creating the calendar...</source>
        <translation>Publication des rappels : création de l'agenda...</translation>
    </message>
    <message>
        <source>Publishing the reminders: reading the calendar's events...</source>
        <translation>Publication des rappels : lecture des événements de l'agenda...</translation>
    </message>
    <message>
        <source>Publishing the reminders: %1 of %2 changes written...</source>
        <translation>Publication des rappels : %1 modifications sur %2 écrites...</translation>
    </message>
    <message>
        <source>Publishing the reminders: waiting for the keyring to give the password...</source>
        <translation>Publication des rappels : attente du mot de passe du trousseau...</translation>
    </message>
    <message>
        <source>Publishing failed at %1: %2. Zamanix tries again at %3.</source>
        <translation>La publication a échoué à %1 : %2. Zamanix réessaie à %3.</translation>
    </message>
    <message>
        <source>Reminders published at %1 to a new calendar: %2 added.</source>
        <translation>Rappels publiés à %1 dans un nouvel agenda : %2 ajoutés.</translation>
    </message>
    <message>
        <source>Reminders published at %1: %2 added, %3 changed, %4 removed, %5 unchanged.</source>
        <translation>Rappels publiés à %1 : %2 ajoutés, %3 modifiés, %4 supprimés, %5 inchangés.</translation>
    </message>
    <message>
        <source>Events kept as another program changed them: %1.</source>
        <translation>Événements conservés tels qu'un autre programme les a modifiés : %1.</translation>
    </message>
    <message>
        <source>Events left as another program wrote them meanwhile: %1.</source>
        <translation>Événements laissés tels qu'un autre programme les a écrits entre-temps : %1.</translation>
    </message>
    <message>
        <source>Zamanix could not publish the reminders to %1: %2.

It tries again by itself, after longer pauses each time, and the status bar tells how it goes; Options &gt; Calendar Server... changes the server's settings.</source>
        <translation>Zamanix n'a pas pu publier les rappels sur %1 : %2.

Il réessaie de lui-même, après des pauses chaque fois plus longues, et la barre d'état indique où il en est ; Options &gt; Serveur d'agenda... modifie les réglages du serveur.</translation>
    </message>
    <message>
        <source>no password is kept for "%1" at %2; give it in Options &gt; Calendar Server...</source>
        <translation>aucun mot de passe n'est conservé pour « %1 » sur %2 ; indiquez-le dans Options &gt; Serveur d'agenda...</translation>
    </message>
    <message>
        <source>the publishing module %1 could not be loaded (%2); installing Zamanix again mends this</source>
        <translation>le module de publication %1 n'a pas pu être chargé (%2) ; réinstaller Zamanix y remédie</translation>
    </message>
</context>
<context>
    <name>ReminderBackup</name>
    <message>
        <source>Zamanix backups (*.INI *.ini);;All Files (*)</source>
        <translation>Sauvegardes Zamanix (*.INI *.ini);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Back Up Reminders</source>
        <translation>Sauvegarder les rappels</translation>
    </message>
    <message>
        <source>The reminders could not be backed up.

%1</source>
        <translation>Les rappels n'ont pas pu être sauvegardés.

%1</translation>
    </message>
    <message>
        <source>Reminders and settings backed up to %1 (reminders: %2)</source>
        <translation>Rappels et réglages sauvegardés dans %1 (rappels : %2)</translation>
    </message>
    <message>
        <source>Restore Reminders</source>
        <translation>Restaurer les rappels</translation>
    </message>
    <message>
        <source>Replace your reminders and settings with those of the backup %1?

Reminders in the backup: %2. Reminders now: %3.

The profile as it is now is kept in %4; restoring from that file brings it back.</source>
        <translation>Remplacer vos rappels et réglages par ceux de la sauvegarde %1 ?

Rappels dans la sauvegarde : %2. Rappels actuels : %3.

Le profil actuel est conservé dans %4 ; le restaurer depuis ce fichier le rétablit.</translation>
    </message>
    <message>
        <source>Reminders restored from %1 (reminders now: %2); the profile as it was is kept in %3</source>
        <translation>Rappels restaurés depuis %1 (rappels actuels : %2) ; le profil d'avant est conservé dans %3</translation>
    </message>
    <message>
        <source>The reminders could not be restored; they are as they were.

%1</source>
        <translation>Les rappels n'ont pas pu être restaurés ; ils sont restés tels quels.

%1</translation>
    </message>
</context>
<context>
    <name>ReminderExport</name>
    <message>
        <source>Export Reminders</source>
        <translation>Exporter les rappels</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics);;All Files (*)</source>
        <translation>Fichiers iCalendar (*.ics);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The reminders could not be exported.

%1</source>
        <translation>Les rappels n'ont pas pu être exportés.

%1</translation>
    </message>
    <message>
        <source>No reminder falls due in the next %1 years; %2 holds no events</source>
        <translation>Aucun rappel n'échoit dans les %1 prochaines années ; %2 ne contient aucun événement</translation>
    </message>
    <message>
        <source>1 event of the next %1 years written to %2</source>
        <translation>1 événement des %1 prochaines années écrit dans %2</translation>
    </message>
    <message>
        <source>%1 events of the next %2 years written to %3</source>
        <translation>%1 événements des %2 prochaines années écrits dans %3</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <source>the astronomical Hijri calendar follows computed new moons, which no RSCALE calendar describes</source>
        <translation>le calendrier hégirien astronomique suit des nouvelles lunes calculées, qu'aucun calendrier RSCALE ne décrit</translation>
    </message>
    <message>
        <source>the Hijri calendar is adjusted (%1), which no RSCALE calendar describes</source>
        <translation>le calendrier hégirien est décalé (%1), ce qu'aucun calendrier RSCALE ne décrit</translation>
    </message>
    <message>
        <source>the Hijri calendar keeps a recorded month start (%1 on %2), which no RSCALE calendar describes</source>
        <translation>le calendrier hégirien garde un début de mois enregistré (%1 le %2), ce qu'aucun calendrier RSCALE ne décrit</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation> ; vouliez-vous dire %1 ?</translation>
    </message>
    <message>
        <source>; the Hijri months are %1, the Christian ones January to December</source>
        <translation> ; les mois hégiriens sont %1, les mois chrétiens de January à December</translation>
    </message>
    <message>
        <source>the key has no "/" between the month and the day</source>
        <translation>la clé n'a pas de « / » entre le mois et le jour</translation>
    </message>
    <message>
        <source>"%1" is neither a Hijri nor a Christian month</source>
        <translation>« %1 » n'est ni un mois hégirien ni un mois chrétien</translation>
    </message>
    <message>
        <source>the key has no day after the "/"</source>
        <translation>la clé n'a pas de jour après le « / »</translation>
    </message>
    <message>
        <source>"%1" is not a day: write 1 to 31, or 01 to 09</source>
        <translation>« %1 » n'est pas un jour : écrivez de 1 à 31, ou de 01 à 09</translation>
    </message>
    <message>
        <source>%1 never has more than %2 days</source>
        <translation>%1 n'a jamais plus de %2 jours</translation>
    </message>
    <message>
        <source>the memo is empty, and an empty memo never rings</source>
        <translation>le mémo est vide, et un mémo vide ne sonne jamais</translation>
    </message>
    <message>
        <source>its alarm time %1 is never reached</source>
        <translation>son heure d'alarme, %1, n'est jamais atteinte</translation>
    </message>
    <message>
        <source>%1 has no day %2 in the next %3 years under the %4 calendar</source>
        <translation>%1 n'a pas de jour %2 dans les %3 prochaines années selon le calendrier %4</translation>
    </message>
    <message>
        <source>In %1 days, %2 / %3: %4</source>
        <translation type="vanished">Dans %1 jours, %2 / %3 : %4</translation>
    </message>
    <message>
        <source>Tomorrow, %1 / %2: %3</source>
        <translation>Demain, %1 / %2 : %3</translation>
    </message>
    <message>
        <source>%1 is neither a weekday nor a month and a day: write Friday, Hijri/13, Ramadhan/27 or Ramadhan/27/1448</source>
        <translation>%1 n'est ni un jour de la semaine ni un mois et un jour : écrivez Friday, Hijri/13, Ramadhan/27 ou Ramadhan/27/1448</translation>
    </message>
    <message>
        <source>%1 is neither a Hijri nor a Christian month</source>
        <translation>%1 n'est ni un mois hégirien ni un mois chrétien</translation>
    </message>
    <message>
        <source>%1 is not a day: write 1 to 31, or 01 to 09</source>
        <translation>%1 n'est pas un jour : écrivez 1 à 31, ou 01 à 09</translation>
    </message>
    <message>
        <source>a Hijri month never has more than 30 days</source>
        <translation>un mois hégirien n'a jamais plus de 30 jours</translation>
    </message>
    <message>
        <source>%1 is not a year: write it as 1448, or as -5 for a year before 1</source>
        <translation>%1 n'est pas une année : écrivez-la comme 1448, ou -5 pour une année avant 1</translation>
    </message>
    <message>
        <source>the year %1 lies outside the supported years, -4000 to 3000</source>
        <translation>l'année %1 est hors des années prises en charge, -4000 à 3000</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days</source>
        <translation>%1 %2 n'a que %3 jours</translation>
    </message>
    <message>
        <source>%1 October 1582 never was: the Gregorian calendar went from 4 to 15 October 1582</source>
        <translation>le %1 octobre 1582 n'a jamais existé : le calendrier grégorien est passé du 4 au 15 octobre 1582</translation>
    </message>
    <message>
        <source>%1 %2 has only %3 days under the %4 calendar</source>
        <translation>%1 %2 n'a que %3 jours selon le calendrier %4</translation>
    </message>
    <message>
        <source>%1 lies outside the days Zamanix supports, 1 January -4000 to 31 December 3000</source>
        <translation>%1 est hors des jours pris en charge par Zamanix, du 1er janvier -4000 au 31 décembre 3000</translation>
    </message>
    <message>
        <source>Next on %1 / %2</source>
        <translation>Prochaine fois le %1 / %2</translation>
    </message>
    <message>
        <source>Next on %1 / %2 (%3)</source>
        <translation>Prochaine fois le %1 / %2 (%3)</translation>
    </message>
    <message>
        <source>%1 / %2: this day has gone by, so it will not ring</source>
        <translation>%1 / %2 : ce jour est passé, il ne sonnera donc pas</translation>
    </message>
    <message>
        <source>It never falls due: %1.</source>
        <translation>Il n'échoit jamais : %1.</translation>
    </message>
    <message>
        <source>Write a memo: an empty memo never rings.</source>
        <translation>Écrivez un mémo : un mémo vide ne sonne jamais.</translation>
    </message>
    <message>
        <source>This reminder cannot be kept: %1.</source>
        <translation>Ce rappel ne peut pas être conservé : %1.</translation>
    </message>
    <message>
        <source>it falls on no day before 31 December 3000, the last day Zamanix supports</source>
        <translation>il ne tombe aucun jour avant le 31 décembre 3000, le dernier jour pris en charge par Zamanix</translation>
    </message>
    <message>
        <source>only in leap years</source>
        <translation>seulement les années bissextiles</translation>
    </message>
    <message>
        <source>only in the years whose %1 has 30 days</source>
        <translation>seulement les années où %1 compte 30 jours</translation>
    </message>
    <message>
        <source>on the 29th of the months that have 29 days</source>
        <translation>le 29 des mois qui ont 29 jours</translation>
    </message>
    <message>
        <source>on the last day of the months that have fewer than %1 days</source>
        <translation>le dernier jour des mois qui ont moins de %1 jours</translation>
    </message>
    <message>
        <source>%1, %2 / %3: %4</source>
        <translation>%1, %2 / %3 : %4</translation>
    </message>
    <message numerus="yes">
        <source>In %n days</source>
        <comment>In %n day</comment>
        <translation>
            <numerusform>Dans %n jour</numerusform>
            <numerusform>Dans %n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemindersProgram</name>
    <message>
        <source>the keyring holds no password for "%1" at %2; give it with --password-file FILE (- reads standard input)</source>
        <translation>le trousseau ne contient aucun mot de passe pour « %1 » sur %2 ; donnez-le avec --password-file FICHIER (- lit l'entrée standard)</translation>
    </message>
    <message>
        <source>no keyring answered to give the password for "%1" at %2 (%3); give it with --password-file FILE (- reads standard input)</source>
        <translation>aucun trousseau n'a répondu pour donner le mot de passe de « %1 » sur %2 (%3) ; donnez-le avec --password-file FICHIER (- lit l'entrée standard)</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>cannot read the password from standard input: %1</source>
        <translation>impossible de lire le mot de passe sur l'entrée standard : %1</translation>
    </message>
    <message>
        <source>cannot read the password from %1: %2</source>
        <translation>impossible de lire le mot de passe dans %1 : %2</translation>
    </message>
    <message>
        <source>no calendar server is set up: give --url URL (and --user NAME), or keep them in the profile as URL= and User= under [CalendarServer]</source>
        <translation>aucun serveur de calendrier n'est configuré : donnez --url URL (et --user NOM), ou gardez-les dans le profil sous la forme URL= et User= dans [CalendarServer]</translation>
    </message>
    <message>
        <source>cannot publish to %1: %2</source>
        <translation>impossible de publier sur %1 : %2</translation>
    </message>
    <message>
        <source>published to %1: %2</source>
        <translation>publié sur %1 : %2</translation>
    </message>
    <message>
        <source>Usage:
  zamanix-reminders [OPTIONS] list [--format text|tsv]
  zamanix-reminders [OPTIONS] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [OPTIONS] add KEY MEMO [--alarm HH:MM] [--every MINUTES]
  zamanix-reminders [OPTIONS] remove KEY
  zamanix-reminders [OPTIONS] export [--years N] [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] export --rscale [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] publish [--url URL] [--user NAME]
                    [--password-file FILE] [--years N]
where OPTIONS are [--profile FILE] [--calendar astronomical|umalqura|civil]
[--adjust N].

Lists, adds and removes the reminders that the Zamanix desktop program keeps,
exports them as an iCalendar file for other calendar programs, and publishes
them to a CalDAV calendar that phones and other calendar programs show.

A KEY is a month name of either calendar, "/" and a day, as the form builds
it: Ramadhan/27, March/06, Rabi'ul Awwal/5. add and remove also take the
common spellings of the Hijri months (Ramadan, Dhul Hijjah, Rabi al-Awwal,
Jumada al-Ula, ...) and keep the month as the program spells it. A reminder
comes back every year of its calendar; a day 1 to 9 falls due written as 5
or as 05.

Commands:
  list                every reminder, by the day it falls due next; those
                      that never fall due (April/31, a misspelt month) last,
                      with the reason
  upcoming            the reminders that fall due from today through N days
                      from today (--days, default 30), one line for each day
  add KEY MEMO        keeps MEMO under KEY, with its alarm: --alarm HH:MM
                      (default 08:00) and --every MINUTES, 0 to 720, until
                      it reminds again (default 60); a reminder that exists
                      keeps the alarm not given; writes exactly what the
                      form's Add writes
  remove KEY          forgets the reminder and its alarm, as the form's
                      Delete does
  export              writes every day on which a reminder falls due in the
                      next N years (--years, default 5, from --from DATE,
                      YEAR-MONTH-DAY, default today) as iCalendar events at
                      the alarm time in your time zone, to FILE (-o; a link's
                      target, a pipe or a terminal as a stream; never the
                      profile or its files) or to standard output; with
                      --rscale, one event per reminder that repeats every
                      year of its calendar (RFC 7529), for the programs
                      that know the Hijri calendars of ICU (Umm al-Qura
                      and tabular, without adjustment or recorded month
                      starts)
  publish             makes the CalDAV calendar at URL (--url, default: the
                      profile's) hold the events that export --years N
                      writes (--years, default: the profile's, else 2):
                      writes only what changed, and never touches another
                      program's objects. The password is the first line of
                      --password-file FILE (- reads standard input), else
                      the keyring's. Exit status 1 when the server or the
                      network failed

Options:
  --profile FILE      the profile to use (default: the desktop program's,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar RULE     the Hijri calendar: astronomical, umalqura or civil
                      (default: the one chosen in the desktop program)
  --adjust N          move the Hijri calendar N days, -2 to 2 (default: as
                      chosen in the desktop program)
  --format text|tsv   aligned columns (default), or tab-separated values
                      with a header line
  -h, --help          show this help
  --version           show the version
A MEMO that begins with "-" follows "--".

The Hijri calendar keeps the month starts recorded in the profile (section
[HijriMonthStarts], "1448/9=2027-02-07"); a record it cannot keep is left
out, with a warning on standard error.

Errors (a key whose month or day is not valid, a profile that cannot be read
or written, bad options, no password for publish) are reported as
"zamanix-reminders: &lt;what is wrong&gt;" on standard error with exit status 2,
and nothing is written.
</source>
        <translation type="vanished">Utilisation :
  zamanix-reminders [OPTIONS] list [--format text|tsv]
  zamanix-reminders [OPTIONS] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [OPTIONS] add CLÉ MÉMO [--alarm HH:MM] [--every MINUTES]
  zamanix-reminders [OPTIONS] remove CLÉ
  zamanix-reminders [OPTIONS] export [--years N] [--from DATE] [-o FICHIER]
  zamanix-reminders [OPTIONS] export --rscale [--from DATE] [-o FICHIER]
  zamanix-reminders [OPTIONS] publish [--url URL] [--user NOM]
                    [--password-file FICHIER] [--years N]
où OPTIONS sont [--profile FICHIER] [--calendar astronomical|umalqura|civil]
[--adjust N].

Liste, ajoute et supprime les rappels que garde le programme de bureau
Zamanix, les exporte dans un fichier iCalendar pour d'autres agendas, et les
publie dans un calendrier CalDAV qu'affichent les téléphones et les autres
agendas.

Une CLÉ est un nom de mois de l'un ou l'autre calendrier, « / » et un jour,
comme le formulaire la construit : Ramadhan/27, March/06, Rabi'ul Awwal/5.
add et remove acceptent aussi les graphies courantes des mois hégiriens
(Ramadan, Dhul Hijjah, Rabi al-Awwal, Jumada al-Ula, ...) et gardent le mois
tel que le programme l'écrit. Un rappel revient chaque année de son
calendrier ; un jour de 1 à 9 arrive à échéance qu'il soit écrit 5 ou 05.

Commandes :
  list                tous les rappels, par date de prochaine échéance ; ceux
                      qui n'arrivent jamais à échéance (April/31, un mois mal
                      orthographié) en dernier, avec la raison
  upcoming            les rappels qui arrivent à échéance d'aujourd'hui à N
                      jours plus tard (--days, par défaut 30), une ligne par
                      jour
  add CLÉ MÉMO        garde MÉMO sous CLÉ, avec son alarme : --alarm HH:MM
                      (par défaut 08:00) et --every MINUTES, de 0 à 720,
                      avant un nouveau rappel (par défaut 60) ; un rappel qui
                      existe garde ce qui n'est pas donné de son alarme ;
                      écrit exactement ce qu'écrit le bouton Ajouter du
                      formulaire
  remove CLÉ          oublie le rappel et son alarme, comme le bouton
                      Supprimer du formulaire
  export              écrit chaque jour où un rappel arrive à échéance dans
                      les N prochaines années (--years, par défaut 5, à
                      partir de --from DATE, ANNÉE-MOIS-JOUR, par défaut
                      aujourd'hui) sous forme d'événements iCalendar à
                      l'heure de l'alarme dans votre fuseau horaire, dans
                      FICHIER (-o ; la cible d'un lien, un tube ou un
                      terminal en flux ; jamais le profil ni ses fichiers)
                      ou sur la sortie standard
                      avec --rscale, un événement par rappel, répété chaque
                      année de son calendrier (RFC 7529), pour les programmes
                      qui connaissent les calendriers hégiriens d'ICU (Umm
                      al-Qura et tabulaire, sans décalage ni débuts de mois
                      enregistrés)
  publish             fait que le calendrier CalDAV à l'URL (--url, par défaut
                      celle du profil) contienne les événements qu'écrit
                      export --years N (--years, par défaut celui du profil,
                      sinon 2) : n'écrit que ce qui a changé, et ne touche
                      jamais aux objets d'un autre programme. Le mot de passe
                      est la première ligne de --password-file FICHIER (- lit
                      l'entrée standard), sinon celui du trousseau. Code de
                      sortie 1 quand le serveur ou le réseau a échoué

Options :
  --profile FICHIER   le profil à utiliser (par défaut : celui du programme de
                      bureau, $XDG_CONFIG_HOME/zamanix.INI)
  --calendar RÈGLE    le calendrier hégirien : astronomical, umalqura ou civil
                      (par défaut : celui choisi dans le programme de bureau)
  --adjust N          décale le calendrier hégirien de N jours, de -2 à 2 (par
                      défaut : comme choisi dans le programme de bureau)
  --format text|tsv   colonnes alignées (par défaut), ou valeurs séparées par
                      des tabulations avec une ligne d'en-tête
  -h, --help          affiche cette aide
  --version           affiche la version
Un MÉMO qui commence par « - » suit « -- ».

Le calendrier hégirien suit les débuts de mois enregistrés dans le profil
(section [HijriMonthStarts], « 1448/9=2027-02-07 ») ; un enregistrement qu'il
ne peut pas garder est écarté, avec un avertissement sur la sortie d'erreur.

Les erreurs (une clé dont le mois ou le jour n'est pas valide, un profil qui
ne peut être ni lu ni écrit, de mauvaises options, l'absence de mot de passe
pour publish) sont signalées sous la forme « zamanix-reminders: &lt;ce qui ne va
pas&gt; » sur la sortie d'erreur avec le code de sortie 2, et rien n'est écrit.
</translation>
    </message>
    <message>
        <source>%1 is not a number of seconds</source>
        <translation>%1 n'est pas un nombre de secondes</translation>
    </message>
    <message>
        <source>the %1 calendar cannot be computed: %2</source>
        <translation>le calendrier %1 ne peut pas être calculé : %2</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: avertissement : %2</translation>
    </message>
    <message>
        <source>cannot add %1: %2</source>
        <translation>impossible d'ajouter %1 : %2</translation>
    </message>
    <message>
        <source>the memo is empty; an empty memo never rings (use remove to delete a reminder)</source>
        <translation>le mémo est vide ; un mémo vide ne sonne jamais (utilisez remove pour supprimer un rappel)</translation>
    </message>
    <message>
        <source>there is no reminder %1 in %2</source>
        <translation>il n'y a pas de rappel %1 dans %2</translation>
    </message>
    <message>
        <source>--years does not apply to export --rscale: its events repeat without end</source>
        <translation>--years ne s'applique pas à export --rscale : ses événements se répètent sans fin</translation>
    </message>
    <message>
        <source>cannot export repeating events: %1; export without --rscale lists every day a reminder falls due instead</source>
        <translation>impossible d'exporter des événements répétés : %1 ; export sans --rscale liste à la place chaque jour où un rappel arrive à échéance</translation>
    </message>
    <message>
        <source>--from %1</source>
        <translation>--from %1</translation>
    </message>
    <message>
        <source>--from %1: %2</source>
        <translation>--from %1 : %2</translation>
    </message>
    <message>
        <source>%1: %2
Try '%3 --help' for more information.</source>
        <translation>%1: %2
Saisissez « %3 --help » pour plus d'informations.</translation>
    </message>
    <message>
        <source>could not write the output</source>
        <translation>impossible d'écrire la sortie</translation>
    </message>
    <message>
        <source>--profile needs a file name</source>
        <translation>--profile demande un nom de fichier</translation>
    </message>
    <message>
        <source>unknown calendar %1; use astronomical, umalqura or civil</source>
        <translation>calendrier %1 inconnu ; utilisez astronomical, umalqura ou civil</translation>
    </message>
    <message>
        <source>adjustment %1 is not a whole number of days from -2 to 2</source>
        <translation>le décalage %1 n'est pas un nombre entier de jours de -2 à 2</translation>
    </message>
    <message>
        <source>unknown format %1; use text or tsv</source>
        <translation>format %1 inconnu ; utilisez text ou tsv</translation>
    </message>
    <message>
        <source>--days takes a number of days from 0 to 36525, not %1</source>
        <translation>--days prend un nombre de jours de 0 à 36525, pas %1</translation>
    </message>
    <message>
        <source>--alarm takes a time from 00:00 to 23:59, not %1</source>
        <translation>--alarm prend une heure de 00:00 à 23:59, pas %1</translation>
    </message>
    <message>
        <source>--every takes a number of minutes from 0 to %1, not %2</source>
        <translation>--every prend un nombre de minutes de 0 à %1, pas %2</translation>
    </message>
    <message>
        <source>--years takes a number of years from 1 to 100, not %1</source>
        <translation>--years prend un nombre d'années de 1 à 100, pas %1</translation>
    </message>
    <message>
        <source>--password-file needs a file name, or - for standard input</source>
        <translation>--password-file demande un nom de fichier, ou - pour l'entrée standard</translation>
    </message>
    <message>
        <source>unknown command %1; use list, upcoming, add, remove, export or publish</source>
        <translation>commande %1 inconnue ; utilisez list, upcoming, add, remove, export ou publish</translation>
    </message>
    <message>
        <source>no command given; use list, upcoming, add, remove, export or publish</source>
        <translation>aucune commande donnée ; utilisez list, upcoming, add, remove, export ou publish</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 ne prend pas d'argument</translation>
    </message>
    <message>
        <source>%1 takes one KEY</source>
        <translation>%1 prend une CLÉ</translation>
    </message>
    <message>
        <source>%1 takes a KEY and a MEMO</source>
        <translation>%1 prend une CLÉ et un MÉMO</translation>
    </message>
    <message>
        <source>option %1 does not apply to this command</source>
        <translation>l'option %1 ne s'applique pas à cette commande</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option %1 inconnue</translation>
    </message>
    <message>
        <source>option %1 takes no value</source>
        <translation>l'option %1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l'option %1 demande une valeur</translation>
    </message>
    <message>
        <source>%1 fell on %2, which has gone by: the reminder is kept, but it will not ring</source>
        <translation>%1 tombait le %2, qui est passé : le rappel est conservé, mais il ne sonnera pas</translation>
    </message>
    <message>
        <source>%1: %2; the reminder is kept, and rings only if that month gets its 30th day</source>
        <translation>%1 : %2 ; le rappel est conservé, et ne sonne que si ce mois a son 30e jour</translation>
    </message>
    <message>
        <source>Usage:
  zamanix-reminders [OPTIONS] list [--format text|tsv]
  zamanix-reminders [OPTIONS] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [OPTIONS] add KEY MEMO [--alarm HH:MM] [--every MINUTES]
                    [--notice DAYS]
  zamanix-reminders [OPTIONS] remove KEY
  zamanix-reminders [OPTIONS] export [--years N] [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] export --rscale [--from DATE] [-o FILE]
  zamanix-reminders [OPTIONS] publish [--url URL] [--user NAME]
                    [--password-file FILE] [--years N]
where OPTIONS are [--profile FILE] [--calendar astronomical|umalqura|civil]
[--adjust N].

Lists, adds and removes the reminders that the Zamanix desktop program keeps,
exports them as an iCalendar file for other calendar programs, and publishes
them to a CalDAV calendar that phones and other calendar programs show.

A KEY says when a reminder falls due:
  Ramadhan/27, March/06      every year, on a month and day of either
                             calendar, as the form builds it
  Ramadhan/27/1448,          once, on a date of either calendar
  March/06/2027
  Hijri/13, Christian/01     every month of that calendar, on a day; a month
                             without the day has it on its last day
  Friday                     every week, on the weekday (in English)
add and remove also take the common spellings of the Hijri months
(Ramadan, Dhul Hijjah, Rabi al-Awwal, Jumada al-Ula, ...) and keep the month
as the program spells it. A day 1 to 9 falls due written as 5 or as 05.

Commands:
  list                every reminder and its kind, by the day it falls due
                      next; once reminders whose day has gone by after
                      them, those that never fall due (April/31, a misspelt
                      month) last, with the reason
  upcoming            the reminders that fall due from today through N days
                      from today (--days, default 30), one line for each day
  add KEY MEMO        keeps MEMO under KEY, with its alarm: --alarm HH:MM
                      (default 08:00) and --every MINUTES, 0 to 720, until
                      it reminds again (default 60), and --notice DAYS, 0 to
                      30, to be reminded that many days before each day it
                      falls due too (0: no notice); a reminder that exists
                      keeps what is not given; for a yearly KEY writes
                      exactly what the form's Add writes
  remove KEY          forgets the reminder, its alarm and its notice, as the
                      form's Delete does
  export              writes every day on which a reminder falls due in the
                      next N years (--years, default 5, from --from DATE,
                      YEAR-MONTH-DAY, default today) as iCalendar events at
                      the alarm time in your time zone, to FILE (-o; a link's
                      target, a pipe or a terminal as a stream; never the
                      profile or its files) or to standard output; with
                      --rscale, one event per reminder that repeats every
                      year of its calendar (RFC 7529), for the programs
                      that know the Hijri calendars of ICU (Umm al-Qura
                      and tabular, without adjustment or recorded month
                      starts)
  publish             makes the CalDAV calendar at URL (--url, default: the
                      profile's) hold the events that export --years N
                      writes (--years, default: the profile's, else 2):
                      writes only what changed, and never touches another
                      program's objects. The password is the first line of
                      --password-file FILE (- reads standard input), else
                      the keyring's. Exit status 1 when the server or the
                      network failed

Options:
  --profile FILE      the profile to use (default: the desktop program's,
                      $XDG_CONFIG_HOME/zamanix.INI)
  --calendar RULE     the Hijri calendar: astronomical, umalqura or civil
                      (default: the one chosen in the desktop program)
  --adjust N          move the Hijri calendar N days, -2 to 2 (default: as
                      chosen in the desktop program)
  --format text|tsv   aligned columns (default), or tab-separated values
                      with a header line
  -h, --help          show this help
  --version           show the version
A MEMO that begins with "-" follows "--".

The Hijri calendar keeps the month starts recorded in the profile (section
[HijriMonthStarts], "1448/9=2027-02-07"); a record it cannot keep is left
out, with a warning on standard error.

Errors (a key whose month, day, year or weekday is not valid, a date outside
the supported years, a profile that cannot be read or written, bad options,
no password for publish) are reported as
"zamanix-reminders: &lt;what is wrong&gt;" on standard error with exit status 2,
and nothing is written.
</source>
        <translation>Utilisation :
  zamanix-reminders [OPTIONS] list [--format text|tsv]
  zamanix-reminders [OPTIONS] upcoming [--days N] [--format text|tsv]
  zamanix-reminders [OPTIONS] add CLÉ MÉMO [--alarm HH:MM] [--every MINUTES]
                    [--notice JOURS]
  zamanix-reminders [OPTIONS] remove CLÉ
  zamanix-reminders [OPTIONS] export [--years N] [--from DATE] [-o FICHIER]
  zamanix-reminders [OPTIONS] export --rscale [--from DATE] [-o FICHIER]
  zamanix-reminders [OPTIONS] publish [--url URL] [--user NOM]
                    [--password-file FICHIER] [--years N]
où OPTIONS sont [--profile FICHIER] [--calendar astronomical|umalqura|civil]
[--adjust N].

Liste, ajoute et supprime les rappels que garde le programme de bureau
Zamanix, les exporte dans un fichier iCalendar pour d'autres agendas, et les
publie dans un calendrier CalDAV qu'affichent les téléphones et les autres
agendas.

Une CLÉ dit quand un rappel arrive à échéance :
  Ramadhan/27, March/06      chaque année, un mois et un jour de l'un ou
                             l'autre calendrier, comme le formulaire la
                             construit
  Ramadhan/27/1448,          une fois, à une date de l'un ou l'autre
  March/06/2027              calendrier
  Hijri/13, Christian/01     chaque mois de ce calendrier, un jour ; un mois
                             sans ce jour l'a à son dernier jour
  Friday                     chaque semaine, ce jour de la semaine (en
                             anglais)
add et remove acceptent aussi les graphies courantes des mois hégiriens
(Ramadan, Dhul Hijjah, Rabi al-Awwal, Jumada al-Ula, ...) et gardent le mois
tel que le programme l'écrit. Un jour de 1 à 9 arrive à échéance qu'il soit
écrit 5 ou 05.

Commandes :
  list                tous les rappels et leur type, par date de prochaine
                      échéance ; puis les rappels uniques dont le jour est
                      passé ; ceux qui n'arrivent jamais à échéance (April/31,
                      un mois mal orthographié) en dernier, avec la raison
  upcoming            les rappels qui arrivent à échéance d'aujourd'hui à N
                      jours plus tard (--days, par défaut 30), une ligne par
                      jour
  add CLÉ MÉMO        garde MÉMO sous CLÉ, avec son alarme : --alarm HH:MM
                      (par défaut 08:00) et --every MINUTES, de 0 à 720,
                      avant un nouveau rappel (par défaut 60), et --notice
                      JOURS, de 0 à 30, pour être prévenu autant de jours
                      avant chaque échéance (0 : pas de préavis) ; un rappel
                      qui existe garde ce qui n'est pas donné ; pour une CLÉ
                      annuelle, écrit exactement ce qu'écrit le bouton
                      Ajouter du formulaire
  remove CLÉ          oublie le rappel, son alarme et son préavis, comme le
                      bouton Supprimer du formulaire
  export              écrit chaque jour où un rappel arrive à échéance dans
                      les N prochaines années (--years, par défaut 5, à
                      partir de --from DATE, ANNÉE-MOIS-JOUR, par défaut
                      aujourd'hui) sous forme d'événements iCalendar à
                      l'heure de l'alarme dans votre fuseau horaire, dans
                      FICHIER (-o ; la cible d'un lien, un tube ou un
                      terminal en flux ; jamais le profil ni ses fichiers)
                      ou sur la sortie standard
                      avec --rscale, un événement par rappel, répété chaque
                      année de son calendrier (RFC 7529), pour les programmes
                      qui connaissent les calendriers hégiriens d'ICU (Umm
                      al-Qura et tabulaire, sans décalage ni débuts de mois
                      enregistrés)
  publish             fait que le calendrier CalDAV à l'URL (--url, par défaut
                      celle du profil) contienne les événements qu'écrit
                      export --years N (--years, par défaut celui du profil,
                      sinon 2) : n'écrit que ce qui a changé, et ne touche
                      jamais aux objets d'un autre programme. Le mot de passe
                      est la première ligne de --password-file FICHIER (- lit
                      l'entrée standard), sinon celui du trousseau. Code de
                      sortie 1 quand le serveur ou le réseau a échoué

Options :
  --profile FICHIER   le profil à utiliser (par défaut : celui du programme de
                      bureau, $XDG_CONFIG_HOME/zamanix.INI)
  --calendar RÈGLE    le calendrier hégirien : astronomical, umalqura ou civil
                      (par défaut : celui choisi dans le programme de bureau)
  --adjust N          décale le calendrier hégirien de N jours, de -2 à 2 (par
                      défaut : comme choisi dans le programme de bureau)
  --format text|tsv   colonnes alignées (par défaut), ou valeurs séparées par
                      des tabulations avec une ligne d'en-tête
  -h, --help          affiche cette aide
  --version           affiche la version
Un MÉMO qui commence par « - » suit « -- ».

Le calendrier hégirien suit les débuts de mois enregistrés dans le profil
(section [HijriMonthStarts], « 1448/9=2027-02-07 ») ; un enregistrement qu'il
ne peut pas garder est écarté, avec un avertissement sur la sortie d'erreur.

Les erreurs (une clé dont le mois, le jour, l'année ou le jour de la semaine
n'est pas valide, une date hors des années prises en charge, un profil qui ne
peut être ni lu ni écrit, de mauvaises options, l'absence de mot de passe pour
publish) sont signalées sous la forme « zamanix-reminders: &lt;ce qui ne va
pas&gt; » sur la sortie d'erreur avec le code de sortie 2, et rien n'est écrit.
</translation>
    </message>
    <message>
        <source>--notice takes a number of days from 0 to %1, not %2</source>
        <translation>--notice prend un nombre de jours de 0 à %1, pas %2</translation>
    </message>
</context>
<context>
    <name>SessionBus</name>
    <message>
        <source>%1: the session bus at %2 does not answer within %3 seconds; going on without it, as a copy of its own, without desktop notifications</source>
        <translation>%1: le bus de session à l'adresse %2 ne répond pas en %3 secondes ; poursuite sans lui, en instance indépendante, sans notifications de bureau</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Main window</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>Alt+the underlined letter</source>
        <translation>Alt+la lettre soulignée</translation>
    </message>
    <message>
        <source>opens a menu, or presses a button of the form</source>
        <translation>ouvre un menu, ou appuie sur un bouton du formulaire</translation>
    </message>
    <message>
        <source>View: shows the chosen date in the other calendar with its memo</source>
        <translation>Voir : affiche la date choisie dans l'autre calendrier avec son mémo</translation>
    </message>
    <message>
        <source>Add, View, Delete</source>
        <translation>Ajouter, Voir, Supprimer</translation>
    </message>
    <message>
        <source>puts the clipboard's text into the memo, as one line</source>
        <translation>met le texte du presse-papiers dans le mémo, sur une ligne</translation>
    </message>
    <message>
        <source>New, Open, Save</source>
        <translation>Nouveau, Ouvrir, Enregistrer</translation>
    </message>
    <message>
        <source>prints the form</source>
        <translation>imprime le formulaire</translation>
    </message>
    <message>
        <source>opens All Reminders</source>
        <translation>ouvre Tous les rappels</translation>
    </message>
    <message>
        <source>shows or hides the month panel</source>
        <translation>affiche ou masque le panneau du mois</translation>
    </message>
    <message>
        <source>moves between the form and the month panel</source>
        <translation>passe du formulaire au panneau du mois et inversement</translation>
    </message>
    <message>
        <source>opens the manual</source>
        <translation>ouvre le manuel</translation>
    </message>
    <message>
        <source>Month panel</source>
        <translation>Panneau du mois</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Touches fléchées</translation>
    </message>
    <message>
        <source>the day before or after, or the same weekday a week away</source>
        <translation>le jour d'avant ou d'après, ou le même jour de la semaine précédente ou suivante</translation>
    </message>
    <message>
        <source>the month before or after</source>
        <translation>le mois d'avant ou d'après</translation>
    </message>
    <message>
        <source>the year before or after</source>
        <translation>l'année d'avant ou d'après</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd'hui</translation>
    </message>
    <message>
        <source>shows the day in the form</source>
        <translation>affiche le jour dans le formulaire</translation>
    </message>
    <message>
        <source>All Reminders</source>
        <translation>Tous les rappels</translation>
    </message>
    <message>
        <source>from the filter to the list</source>
        <translation>du filtre à la liste</translation>
    </message>
    <message>
        <source>opens the reminder in the form</source>
        <translation>ouvre le rappel dans le formulaire</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="vanished">Supprimer</translation>
    </message>
    <message>
        <source>deletes the reminder, after asking</source>
        <translation>supprime le rappel, après confirmation</translation>
    </message>
    <message>
        <source>closes the window</source>
        <translation>ferme la fenêtre</translation>
    </message>
    <message>
        <source>Missed Reminders</source>
        <translation>Rappels manqués</translation>
    </message>
    <message>
        <source>Reminder prompt</source>
        <translation>Question du rappel</translation>
    </message>
    <message>
        <source>reminds you again after the interval</source>
        <translation>vous le rappelle après l'intervalle</translation>
    </message>
    <message>
        <source>no more reminders today</source>
        <translation>plus de rappel aujourd'hui</translation>
    </message>
    <message>
        <source>not now: reminds you again after the interval</source>
        <translation>pas maintenant : vous le rappelle après l'intervalle</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>Zamanix reminder</source>
        <translation>Rappel Zamanix</translation>
    </message>
</context>
<context>
    <name>Strings</name>
    <message>
        <source>Zamanix

Zamani


Zamanix.Document
Zamani Document</source>
        <translation>Zamanix

Zamani


Zamanix.Document
Document Zamani</translation>
    </message>
    <message>
        <source>Add memo entry to reminders on specified date</source>
        <translation>Ajoute le mémo aux rappels à la date indiquée</translation>
    </message>
    <message>
        <source>Delete reminder entry from list.</source>
        <translation>Supprime le rappel de la liste.</translation>
    </message>
    <message>
        <source>Play Remider.wav audio file on alarm</source>
        <translation>Joue le fichier audio Reminder.wav à l'alarme</translation>
    </message>
    <message>
        <source>Compute the Hijri months from the new moons (the default)</source>
        <translation>Calcule les mois hégiriens à partir des nouvelles lunes (par défaut)</translation>
    </message>
    <message>
        <source>Follow the Umm al-Qura calendar of Saudi Arabia</source>
        <translation>Suit le calendrier Umm al-Qura d'Arabie saoudite</translation>
    </message>
    <message>
        <source>Follow the tabular (civil) Islamic calendar</source>
        <translation>Suit le calendrier islamique tabulaire (civil)</translation>
    </message>
    <message>
        <source>Begin every Hijri month two days later</source>
        <translation>Commence chaque mois hégirien deux jours plus tard</translation>
    </message>
    <message>
        <source>Begin every Hijri month a day later</source>
        <translation>Commence chaque mois hégirien un jour plus tard</translation>
    </message>
    <message>
        <source>Keep the Hijri months as the calendar gives them</source>
        <translation>Garde les mois hégiriens tels que le calendrier les donne</translation>
    </message>
    <message>
        <source>Begin every Hijri month a day earlier</source>
        <translation>Commence chaque mois hégirien un jour plus tôt</translation>
    </message>
    <message>
        <source>Begin every Hijri month two days earlier</source>
        <translation>Commence chaque mois hégirien deux jours plus tôt</translation>
    </message>
    <message>
        <source>List every reminder by the day it falls due next
All Reminders</source>
        <translation>Liste tous les rappels par date de prochaine échéance
Tous les rappels</translation>
    </message>
    <message>
        <source>Save the reminders of the next five years as an iCalendar file for other calendar programs
Export Reminders</source>
        <translation>Enregistre les rappels des cinq prochaines années dans un fichier iCalendar pour d'autres agendas
Exporter les rappels</translation>
    </message>
    <message>
        <source>Start Zamanix, minimized, whenever you log in to the desktop
Start at Login</source>
        <translation>Démarre Zamanix, réduit, à chaque ouverture de session
Démarrer à l'ouverture de session</translation>
    </message>
    <message>
        <source>Print the month shown in the month panel on one page
Print Month</source>
        <translation>Imprime sur une page le mois affiché dans le panneau du mois
Imprimer le mois</translation>
    </message>
    <message>
        <source>Show or hide the month at a glance beside the form
Month</source>
        <translation>Affiche ou masque la vue du mois à côté du formulaire
Mois</translation>
    </message>
    <message>
        <source>Mark the Islamic holy days in the month panel
Islamic Holy Days</source>
        <translation>Signale les fêtes islamiques dans le panneau du mois
Fêtes islamiques</translation>
    </message>
    <message>
        <source>Zamanix</source>
        <translation>Zamanix</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crée un nouveau document
Nouveau</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ouvre un document existant
Ouvrir</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Ferme le document actif
Fermer</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Enregistre le document actif
Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Enregistre le document actif sous un nouveau nom
Enregistrer sous</translation>
    </message>
    <message>
        <source>Change the printing options
Page Setup</source>
        <translation>Modifie les options d'impression
Mise en page</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Modifie l'imprimante et les options d'impression
Configuration de l'impression</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprime le document actif
Imprimer</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Affiche des pages entières
Aperçu avant impression</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvre ce document</translation>
    </message>
    <message>
        <source>Erase the selection
Erase</source>
        <translation>Efface la sélection
Effacer</translation>
    </message>
    <message>
        <source>Erase everything
Erase All</source>
        <translation>Efface tout
Effacer tout</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard
Copy</source>
        <translation>Copie la sélection dans le presse-papiers
Copier</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard
Cut</source>
        <translation>Coupe la sélection et la place dans le presse-papiers
Couper</translation>
    </message>
    <message>
        <source>Find the specified text
Find</source>
        <translation>Recherche le texte indiqué
Rechercher</translation>
    </message>
    <message>
        <source>Insert Clipboard contents
Paste</source>
        <translation>Insère le contenu du presse-papiers
Coller</translation>
    </message>
    <message>
        <source>Repeat the last action
Repeat</source>
        <translation>Répète la dernière action
Répéter</translation>
    </message>
    <message>
        <source>Replace specific text with different text
Replace</source>
        <translation>Remplace un texte par un autre
Remplacer</translation>
    </message>
    <message>
        <source>Select the entire document
Select All</source>
        <translation>Sélectionne tout le document
Tout sélectionner</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>Annule la dernière action
Annuler</translation>
    </message>
    <message>
        <source>Redo the previously undone action
Redo</source>
        <translation>Rétablit l'action annulée
Rétablir</translation>
    </message>
    <message>
        <source>Split the active window into panes
Split</source>
        <translation>Divise la fenêtre active en volets
Diviser</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Affiche les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitte l'application ; propose d'enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>Switch to the next window pane
Next Pane</source>
        <translation>Passe au volet suivant de la fenêtre
Volet suivant</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane
Previous Pane</source>
        <translation>Revient au volet précédent de la fenêtre
Volet précédent</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Affiche ou masque la barre d'outils
Afficher/masquer la barre d'outils</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Affiche ou masque la barre d'état
Afficher/masquer la barre d'état</translation>
    </message>
    <message>
        <source>Close print preview mode
Cancel Preview</source>
        <translation>Ferme l'aperçu avant impression
Fermer l'aperçu</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>EXT</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DEF</translation>
    </message>
    <message>
        <source>OVR</source>
        <translation>RFP</translation>
    </message>
    <message>
        <source>REC</source>
        <translation>ENR</translation>
    </message>
    <message>
        <source>Change the window size</source>
        <translation>Modifie la taille de la fenêtre</translation>
    </message>
    <message>
        <source>Change the window position</source>
        <translation>Modifie la position de la fenêtre</translation>
    </message>
    <message>
        <source>Reduce the window to an icon</source>
        <translation>Réduit la fenêtre en icône</translation>
    </message>
    <message>
        <source>Enlarge the window to full size</source>
        <translation>Agrandit la fenêtre au maximum</translation>
    </message>
    <message>
        <source>Switch to the next document window</source>
        <translation>Passe à la fenêtre de document suivante</translation>
    </message>
    <message>
        <source>Switch to the previous document window</source>
        <translation>Passe à la fenêtre de document précédente</translation>
    </message>
    <message>
        <source>Close the active window and prompts to save the documents</source>
        <translation>Ferme la fenêtre active et propose d'enregistrer les documents</translation>
    </message>
    <message>
        <source>Restore the window to normal size</source>
        <translation>Rend à la fenêtre sa taille normale</translation>
    </message>
    <message>
        <source>Activate Task List</source>
        <translation>Active la liste des tâches</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>an unnamed file</source>
        <translation>un fichier sans nom</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>No error message is available.</source>
        <translation>Aucun message d'erreur n'est disponible.</translation>
    </message>
    <message>
        <source>An unsupported operation was attempted.</source>
        <translation>Une opération non prise en charge a été tentée.</translation>
    </message>
    <message>
        <source>A required resource was unavailable.</source>
        <translation>Une ressource nécessaire n'était pas disponible.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>An unknown error has occurred.</source>
        <translation>Une erreur inconnue s'est produite.</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>sur %1</translation>
    </message>
    <message>
        <source>&amp;One Page</source>
        <translation>&amp;Une page</translation>
    </message>
    <message>
        <source>&amp;Two Page</source>
        <translation>&amp;Deux pages</translation>
    </message>
    <message>
        <source>Page %u</source>
        <translation>Page %u</translation>
    </message>
    <message>
        <source>Page %u
Pages %u-%u
</source>
        <translation>Page %u
Pages %u-%u
</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>Imprimer dans un fichier</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>vers %1</translation>
    </message>
    <message>
        <source>Invalid filename.</source>
        <translation>Nom de fichier non valide.</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossible d'ouvrir le document.</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Impossible d'enregistrer le document.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Failed to create empty document.</source>
        <translation>Impossible de créer un document vide.</translation>
    </message>
    <message>
        <source>The file is too large to open.</source>
        <translation>Le fichier est trop volumineux pour être ouvert.</translation>
    </message>
    <message>
        <source>Could not start print job.</source>
        <translation>Impossible de lancer l'impression.</translation>
    </message>
    <message>
        <source>Failed to launch help.</source>
        <translation>Impossible de lancer l'aide.</translation>
    </message>
    <message>
        <source>Internal application error.</source>
        <translation>Erreur interne de l'application.</translation>
    </message>
    <message>
        <source>Command failed.</source>
        <translation>La commande a échoué.</translation>
    </message>
    <message>
        <source>Insufficient memory to perform operation.</source>
        <translation>Mémoire insuffisante pour effectuer l'opération.</translation>
    </message>
    <message>
        <source>System registry entries have been removed and the INI file (if any) was deleted.</source>
        <translation>Les entrées du registre système ont été supprimées et le fichier INI (s'il existait) a été effacé.</translation>
    </message>
    <message>
        <source>Not all of the system registry entries (or INI file) were removed.</source>
        <translation>Les entrées du registre système (ou le fichier INI) n'ont pas toutes été supprimées.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Veuillez saisir un nombre.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Veuillez saisir un nombre compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez saisir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Please select a button.</source>
        <translation>Veuillez sélectionner un bouton.</translation>
    </message>
    <message>
        <source>Please enter an integer between 0 and 255.</source>
        <translation>Veuillez saisir un nombre entier compris entre 0 et 255.</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Veuillez saisir un nombre entier positif.</translation>
    </message>
    <message>
        <source>Please enter a date and/or time.</source>
        <translation>Veuillez saisir une date et/ou une heure.</translation>
    </message>
    <message>
        <source>Please enter a currency.</source>
        <translation>Veuillez saisir un montant monétaire.</translation>
    </message>
    <message>
        <source>Unexpected file format.</source>
        <translation>Format de fichier inattendu.</translation>
    </message>
    <message>
        <source>%1
Cannot find this file.
Please verify that the correct path and file name are given.</source>
        <translation>%1
Fichier introuvable.
Vérifiez que le chemin et le nom du fichier sont corrects.</translation>
    </message>
    <message>
        <source>Destination disk drive is full.</source>
        <translation>Le disque de destination est plein.</translation>
    </message>
    <message>
        <source>Unable to read from %1, it is opened by someone else.</source>
        <translation>Impossible de lire %1 : il est ouvert par quelqu'un d'autre.</translation>
    </message>
    <message>
        <source>Unable to write to %1, it is read-only or opened by someone else.</source>
        <translation>Impossible d'écrire dans %1 : il est en lecture seule ou ouvert par quelqu'un d'autre.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while reading %1.</source>
        <translation>Une erreur inattendue s'est produite lors de la lecture de %1.</translation>
    </message>
    <message>
        <source>An unexpected error occurred while writing %1.</source>
        <translation>Une erreur inattendue s'est produite lors de l'écriture de %1.</translation>
    </message>
    <message>
        <source>No error occurred.</source>
        <translation>Aucune erreur ne s'est produite.</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>Tentative d'accès à %1 au-delà de sa fin.</translation>
    </message>
    <message>
        <source>%1 contains an incorrect schema.</source>
        <translation>%1 contient un schéma incorrect.</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>Save a copy of every reminder and setting in a file of your choice
Back Up Reminders</source>
        <translation>Enregistrer une copie de tous les rappels et réglages dans le fichier de votre choix
Sauvegarder les rappels</translation>
    </message>
    <message>
        <source>Replace the reminders and settings with those of a backup
Restore Reminders</source>
        <translation>Remplacer les rappels et réglages par ceux d'une sauvegarde
Restaurer les rappels</translation>
    </message>
    <message>
        <source>List the keys that work in Zamanix's windows
Keyboard Shortcuts</source>
        <translation>Lister les touches utilisables dans les fenêtres de Zamanix
Raccourcis clavier</translation>
    </message>
    <message>
        <source>Open the manual of Zamanix
Manual</source>
        <translation>Ouvrir le manuel de Zamanix
Manuel</translation>
    </message>
    <message>
        <source>Keep a calendar on a CalDAV server holding your reminders, for your phone and other calendar programs
Calendar Server</source>
        <translation>Tenir sur un serveur CalDAV un agenda de vos rappels, pour votre téléphone et les autres agendas
Serveur d'agenda</translation>
    </message>
    <message>
        <source>Publish the reminders to the calendar server now
Publish Now</source>
        <translation>Publier maintenant les rappels sur le serveur d'agenda
Publier maintenant</translation>
    </message>
    <message>
        <source>List, remove and import the days on which your community's Hijri months began
Hijri Month Starts</source>
        <translation>Lister, retirer et importer les jours où les mois hégiriens de votre communauté ont commencé
Débuts des mois hégiriens</translation>
    </message>
    <message>
        <source>On the 29th of each Hijri month, ask in the evening whether the new moon was seen
Ask About the New Moon</source>
        <translation>Le 29 de chaque mois hégirien, demander le soir si la nouvelle lune a été vue
Demander pour la nouvelle lune</translation>
    </message>
    <message>
        <source>Write numbers in the digits 0 to 9 instead of your language's own
Western Digits</source>
        <translation>Écrire les nombres avec les chiffres 0 à 9 plutôt que ceux de votre langue
Chiffres occidentaux</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Barre d'outils</translation>
    </message>
</context>
</TS>
